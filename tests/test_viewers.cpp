// The clue, diagram, exhibit and answer windows, with files made by the test
// in a working directory of its own.

#include "attachment_file.h"
#include "harness.h"
#include "quiz/quest_form.h"
#include "toggle_button.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace examdeck;
using namespace examdeck::testing;

namespace {

QByteArray data_file(const char* name)
{
    QFile f(QStringLiteral(EXAMDECK_DATA_DIR "/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

// A GIF whose header claims a picture of 60000 x 60000 pixels.
QByteArray picture_bomb()
{
    QByteArray gif("GIF89a");
    auto word = [&](int v) { gif.append(char(v & 0xff)).append(char(v >> 8)); };
    word(60000);
    word(60000);
    gif.append(char(0x80)).append(char(0)).append(char(0));
    gif.append("\x00\x00\x00\xff\xff\xff", 6);
    gif.append(char(0x2c));
    word(0);
    word(0);
    word(60000);
    word(60000);
    gif.append(char(0))
        .append(char(2))
        .append(char(2))
        .append("\x4c\x01", 2)
        .append(char(0))
        .append(char(0x3b));
    return gif;
}

void write(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Shows, as question 1 of quiz 1, a question whose diagram and exhibit
// buttons name these files.
void show_attachments(app& a, const QStringList& diagrams, const QStringList& exhibits)
{
    question_record r;
    r.question_type = QStringLiteral("multi_answer");
    r.question_text = QStringLiteral("Refer to the attachments.");
    r.choice_text(1) = QStringLiteral("yes");
    r.choice_correct(1) = 1;
    r.choice_text(2) = QStringLiteral("no");
    for (int i = 0; i < diagrams.size(); ++i)
        r.diagram_file(i + 1) = diagrams[i];
    for (int i = 0; i < exhibits.size(); ++i)
        r.exhibit_file(i + 1) = exhibits[i];
    question_bank(1) = r;
    quiz_state.question_order(1) = 1;
    quiz_state.quiz_number = 1;
    quiz_state.question_count = 0;
    a.quest.show_quest();
}

class viewers : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        old_dir = QDir::currentPath();
        QDir::setCurrent(folder.path());
        program_run::options chosen;
        chosen.show_when_wrong = false;
        chosen.shuffle_questions = false;
        chosen.shuffle_answers = false;
        run.start_quiz(chosen);
    }
    void TearDown() override { QDir::setCurrent(old_dir); }

    void show_question_with(const QStringList& diagrams, const QStringList& exhibits)
    {
        show_attachments(run.the_app(), diagrams, exhibits);
    }
    QWidget* button(const char* name, int i)
    {
        return control(run.the_app().quest,
                       QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
    }
    const forms::form& diagram() { return run.the_app().Diagram; }
    const forms::form& exhibit() { return run.the_app().Exhibit; }
    QString exhibit_box()
    {
        return control<QPlainTextEdit>(exhibit(), QStringLiteral("Text1"))->toPlainText();
    }

    QTemporaryDir folder;
    QString old_dir;
    program_run run;
};

} // namespace

TEST(exhibit_text, every_line_ends_with_cr_lf)
{
    struct row {
        QByteArray file;
        QString text;
    };
    const row rows[] = {
        {"", ""},
        {"one", "one\r\n"},
        {"one\r\ntwo\r\n", "one\r\ntwo\r\n"},
        {"one\r\ntwo", "one\r\ntwo\r\n"},
        {"one\rtwo\r", "one\r\ntwo\r\n"},
        {"one\ntwo\n", "one\r\ntwo\r\n"},
        {"\r\n", "\r\n"},
        {"a\r\n\r\nb", "a\r\n\r\nb\r\n"},
        {"\xEF\xBB\xBFzone", "zone\r\n"},
        {"caf\xC3\xA9", QString::fromUtf8("caf\xC3\xA9\r\n")},
        {"\x93quoted\x94 caf\xE9", QString::fromUtf16(u"\u201cquoted\u201d caf\u00e9\r\n")},
        {QByteArray("a\0b", 3), QString::fromUtf16(u"a\u2400b\r\n")},
        {"bell\x07tab\t", "bell\x07tab\t\r\n"},
    };
    for (const row& r : rows)
        EXPECT_EQ(exhibit_text(r.file), r.text) << r.file.toStdString();
}

TEST(attachment_files, only_existing_ordinary_files_are_found)
{
    QTemporaryDir folder;
    const QString dir = folder.path() + u'/';
    write(dir + "plain.txt", "text");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + "fifo").constData(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(dir + "zero").constData()), 0);
    ASSERT_EQ(::symlink("plain.txt", QFile::encodeName(dir + "link.txt").constData()), 0);
    QDir(dir).mkdir(QStringLiteral("folder"));
    struct row {
        QString name;
        bool found;
    };
    for (const row& r :
         {row{dir + "plain.txt", true}, row{dir + "link.txt", true}, row{dir + "missing", false},
          row{dir + "folder", false}, row{dir + "fifo", false}, row{dir + "zero", false},
          row{QString(), false}, row{dir + " plain.txt", false}}) {
        EXPECT_EQ(is_ordinary_file(r.name), r.found) << r.name.toStdString();
        EXPECT_EQ(read_attachment(r.name).has_value(), r.found) << r.name.toStdString();
    }
}

TEST_F(viewers, a_diagram_that_decodes_opens_one_window_for_every_button)
{
    write("first.gif", data_file("isdn-bri.gif"));
    write("second.gif", data_file("ospf-multicast.gif"));
    show_question_with({"first.gif", "second.gif"}, {});
    click(button("diagrambutton", 1));
    ASSERT_TRUE(diagram().is_loaded());
    EXPECT_TRUE(diagram().loaded_window()->isVisible());
    const QLabel* image = control<QLabel>(diagram(), QStringLiteral("Image1"));
    const qint64 first = image->pixmap().cacheKey();
    click(button("diagrambutton", 2));
    EXPECT_EQ(live_windows_named(QStringLiteral("Diagram")), 1);
    EXPECT_NE(image->pixmap().cacheKey(), first);
    EXPECT_EQ(image->pixmap().size(), QSize(561, 329));
    EXPECT_TRUE(image->hasScaledContents());
    // The picture and the close button follow the window's size.
    QWidget* w = diagram().loaded_window();
    const QSize before = image->size();
    w->resize(w->width() * 2, w->height() * 2);
    EXPECT_NEAR(image->width(), before.width() * 2, 2);
    // Close hides the window; it keeps its picture.
    click(control(diagram(), QStringLiteral("Command1")));
    EXPECT_TRUE(diagram().is_loaded());
    EXPECT_FALSE(diagram().loaded_window()->isVisible());
}

TEST_F(viewers, a_diagram_that_is_missing_or_unreadable_opens_nothing)
{
    const QByteArray gif = data_file("isdn-bri.gif");
    write("empty.gif", "");
    write("text.gif", "this is not a picture\r\n");
    write("corrupt.gif", "GIF89a" + QByteArray(200, '\x55'));
    write("bomb.gif", picture_bomb());
    QDir().mkdir(QStringLiteral("folder.gif"));
    ASSERT_EQ(::mkfifo("fifo.gif", 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", "zero.gif"), 0);
    for (const char* name : {"missing.gif", "folder.gif", "fifo.gif", "zero.gif", "empty.gif",
                             "text.gif", "corrupt.gif", "bomb.gif"}) {
        show_question_with({QString::fromLatin1(name)}, {});
        ASSERT_FALSE(button("diagrambutton", 1)->isHidden());
        click(button("diagrambutton", 1));
        EXPECT_FALSE(diagram().is_loaded()) << name;
    }
    // A truncated picture shows what could be decoded of it.
    write("truncated.gif", gif.left(gif.size() / 2));
    show_question_with({QStringLiteral("truncated.gif")}, {});
    click(button("diagrambutton", 1));
    EXPECT_TRUE(diagram().is_loaded());
}

TEST_F(viewers, an_exhibit_opens_centred_with_its_lines)
{
    write("lines.txt", "first line\r\nsecond line");
    show_question_with({}, {"lines.txt"});
    click(button("exhibitbutton", 1));
    ASSERT_TRUE(exhibit().is_loaded());
    EXPECT_TRUE(exhibit().loaded_window()->isVisible());
    EXPECT_EQ(exhibit_box(), QStringLiteral("first line\nsecond line\n"));
    EXPECT_EQ(exhibit().loaded_window()->windowTitle(), QStringLiteral("Exhibit"));
    EXPECT_EQ(control<QPushButton>(exhibit(), QStringLiteral("Command1"))->text(),
              QStringLiteral("close"));
    // Opened again, its text is there once.
    click(button("exhibitbutton", 1));
    EXPECT_EQ(exhibit_box(), QStringLiteral("first line\nsecond line\n"));
    EXPECT_EQ(live_windows_named(QStringLiteral("Exhibit")), 1);
    // The text box passes the focus to the close button.
    click(control(exhibit(), QStringLiteral("Text1")));
    EXPECT_EQ(exhibit().loaded_window()->focusWidget(),
              control(exhibit(), QStringLiteral("Command1")));
}

TEST_F(viewers, exhibits_that_are_empty_odd_or_missing)
{
    write("empty.txt", "");
    write("cr.txt", "a\rb\r");
    write("nul.txt", QByteArray("x\0y", 3));
    QDir().mkdir(QStringLiteral("folder.txt"));
    ASSERT_EQ(::mkfifo("fifo.txt", 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", "zero.txt"), 0);
    for (const char* name : {"missing.txt", "folder.txt", "fifo.txt", "zero.txt"}) {
        show_question_with({}, {QString::fromLatin1(name)});
        click(button("exhibitbutton", 1));
        EXPECT_FALSE(exhibit().is_loaded()) << name;
    }
    struct row {
        const char* name;
        QString shown;
    };
    for (const row& r : {row{"empty.txt", ""}, row{"cr.txt", "a\nb\n"},
                         row{"nul.txt", QString::fromUtf16(u"x\u2400y\n")}}) {
        show_question_with({}, {QString::fromLatin1(r.name)});
        click(button("exhibitbutton", 1));
        ASSERT_TRUE(exhibit().is_loaded()) << r.name;
        EXPECT_EQ(exhibit_box(), r.shown) << r.name;
    }
}

TEST_F(viewers, a_large_exhibit_opens)
{
    QByteArray line(99, 'x');
    line.append("\r\n");
    QByteArray big;
    big.reserve(50 * 1024 * 1024);
    while (big.size() < 50 * 1024 * 1024)
        big.append(line);
    write("big.txt", big);
    show_question_with({}, {"big.txt"});
    click(button("exhibitbutton", 1));
    ASSERT_TRUE(exhibit().is_loaded());
    EXPECT_EQ(control<QPlainTextEdit>(exhibit(), QStringLiteral("Text1"))->document()->blockCount(),
              big.size() / line.size() + 1);
}

TEST_F(viewers, next_closes_both_viewers_and_quit_leaves_them_open)
{
    write("d.gif", data_file("ospf-abr-asbr.gif"));
    write("e.txt", "exhibit");
    show_question_with({"d.gif"}, {"e.txt"});
    click(button("diagrambutton", 1));
    click(button("exhibitbutton", 1));
    ASSERT_TRUE(diagram().is_loaded() && exhibit().is_loaded());
    run.next();
    EXPECT_FALSE(diagram().is_loaded());
    EXPECT_FALSE(exhibit().is_loaded());

    show_question_with({"d.gif"}, {"e.txt"});
    click(button("diagrambutton", 1));
    click(button("exhibitbutton", 1));
    modal_answerer answers;
    click(control(run.the_app().quest, QStringLiteral("quitquiz")));
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_TRUE(diagram().is_loaded() && diagram().loaded_window()->isVisible());
    EXPECT_TRUE(exhibit().is_loaded() && exhibit().loaded_window()->isVisible());
    ASSERT_TRUE(run.the_app().Welcome.is_loaded());
    EXPECT_TRUE(run.the_app().Welcome.loaded_window()->isVisible());
    // The next quiz closes them.
    run.start_quiz();
    EXPECT_FALSE(diagram().is_loaded());
    EXPECT_FALSE(exhibit().is_loaded());
}

TEST(quiz_window_closed, mid_quiz_closes_every_viewer_and_ends_the_program)
{
    QTemporaryDir folder;
    const QString old_dir = QDir::currentPath();
    QDir::setCurrent(folder.path());
    write("d.gif", data_file("ospf-abr-asbr.gif"));
    write("e.txt", "exhibit");
    for (bool hidden : {false, true}) {
        program_run run;
        run.start_quiz();
        app& a = run.the_app();
        show_attachments(a, {"d.gif"}, {"e.txt"});
        click(control(a.quest, QStringLiteral("diagrambutton_1")));
        click(control(a.quest, QStringLiteral("exhibitbutton_1")));
        if (hidden) {
            click(control(a.Diagram, QStringLiteral("Command1")));
            click(control(a.Exhibit, QStringLiteral("Command1")));
        }
        close_from_title_bar(a.quest.loaded_window());
        settle();
        EXPECT_FALSE(a.Diagram.is_loaded());
        EXPECT_FALSE(a.Exhibit.is_loaded());
        EXPECT_FALSE(a.pick_a_quiz.is_loaded());
        EXPECT_TRUE(run.ended()) << (hidden ? "hidden viewers" : "shown viewers");
    }
    QDir::setCurrent(old_dir);
}

TEST_F(viewers, the_answer_window_closed_from_its_title_bar_goes_on_like_close)
{
    quiz_state.show_when_wrong = 1;
    show_question_with({}, {});
    quiz_state.question_order(2) = 1; // the next question is a multiple-choice one too
    modal_answerer answers(modal_answerer::how::title_bar);
    answers.on_modal = [&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("The Answer"));
        auto* text = w->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        click(text);
        EXPECT_EQ(w->focusWidget(), w->findChild<QWidget*>(QStringLiteral("Closeb")));
    };
    run.next();
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_FALSE(run.the_app().theanswer.is_loaded());
    EXPECT_EQ(quiz_state.question_count, 2);
    EXPECT_EQ(run.the_app().quest.loaded_window()->focusWidget(),
              control(run.the_app().quest, QStringLiteral("NextButton")));
}

TEST(missing_data_files, the_quiz_works_and_attachment_buttons_do_nothing)
{
    QTemporaryDir empty;
    const QString old_dir = QDir::currentPath();
    QDir::setCurrent(empty.path());
    program_run run;
    program_run::options chosen;
    chosen.show_when_wrong = false;
    chosen.shuffle_questions = false;
    run.start_quiz(chosen);
    app& a = run.the_app();
    int clicked = 0;
    for (int p = 1; p <= 57; ++p) {
        for (const char* name : {"diagrambutton_1", "exhibitbutton_1"}) {
            QWidget* b = control(a.quest, QString::fromLatin1(name));
            if (!b->isHidden()) {
                click(b);
                ++clicked;
            }
        }
        EXPECT_FALSE(a.Diagram.is_loaded());
        EXPECT_FALSE(a.Exhibit.is_loaded());
        if (p < 57)
            run.answer_right();
    }
    EXPECT_EQ(clicked, 9) << "quiz 1 names four diagrams and five exhibits";
    modal_answerer answers;
    run.answer_right();
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_TRUE(answers.seen[0].text.contains(QStringLiteral("57/ 57")));
    QDir::setCurrent(old_dir);
}

TEST(data_files, the_pictures_are_gifs_and_the_exhibits_are_text)
{
    for (const char* name : {"isdn-bri.gif", "ospf-abr-asbr.gif", "ospf-multicast.gif"}) {
        QImageReader reader(QStringLiteral(EXAMDECK_DATA_DIR "/") + QString::fromLatin1(name));
        EXPECT_EQ(reader.format(), QByteArray("gif")) << name; // asked before reading
        const QImage picture = reader.read();
        EXPECT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(picture.size(), QSize(561, 329)) << name;
    }
    for (const char* name :
         {"isdn-bri-explained.txt", "ip-summary.txt", "ipx-summary.txt", "ipx-sap-servers.txt"}) {
        const QByteArray bytes = data_file(name);
        EXPECT_GT(bytes.size(), 200) << name;
        for (char c : bytes)
            ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 32 && c < 127)) << name;
        EXPECT_TRUE(bytes.endsWith("\r\n")) << name;
    }
}
