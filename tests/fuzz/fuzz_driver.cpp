#include "fuzz_driver.h"

#include "harness.h"
#include "quiz_rules.h"
#include "random_source.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <map>
#include <memory>
#include <set>

namespace examdeck::fuzz {

namespace {

const char* kind_names[] = {"click", "click_text", "type", "key", "close", "resize"};

QString visible_text(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

} // namespace

QString action::describe() const
{
    QString d = QString::fromLatin1(kind_names[static_cast<int>(what)]) + u' ' + window;
    if (!control.isEmpty())
        d += u'.' + control;
    if (what == kind::type)
        d += QStringLiteral(" \"%1\"").arg(text.size() > 40 ? text.left(40) + QStringLiteral("...")
                                                            : text);
    if (what == kind::key)
        d += u' ' + QKeySequence(number).toString();
    if (what == kind::resize)
        d += QStringLiteral(" %1x%2").arg(number).arg(number2);
    return d;
}

QString action::serialise() const
{
    return QStringList{QString::number(static_cast<int>(what)),
                       window,
                       control,
                       QString::fromLatin1(text.toUtf8().toHex()),
                       QString::number(number),
                       QString::number(number2)}
        .join(u'\t');
}

bool action::parse(const QString& line, action& out)
{
    const QStringList f = line.split(u'\t');
    if (f.size() != 6)
        return false;
    const int k = f[0].toInt();
    if (k < 0 || k > 5)
        return false;
    out.what = static_cast<kind>(k);
    out.window = f[1];
    out.control = f[2];
    out.text = QString::fromUtf8(QByteArray::fromHex(f[3].toLatin1()));
    out.number = f[4].toInt();
    out.number2 = f[5].toInt();
    return true;
}

namespace {

using namespace examdeck::testing;

const QStringList window_names{"Welcome", "pick_a_quiz", "quest",
                               "Diagram", "Exhibit",     "theanswer"};

class driver {
  public:
    driver(std::uint64_t seed, long budget, const std::vector<action>* script,
           const std::function<void(const action&)>& log)
        : rng_(seed), program_rng_(seed ^ 0x5eed5eedULL), budget_(budget), script_(script),
          log_(log)
    {
    }

    outcome go()
    {
        set_seed_source([this] { return program_rng_(); });
        start_program();
        QEventLoop loop;
        loop_ = &loop;
        QObject context;
        context_ = &context;
        QTimer::singleShot(0, &context, [this] { step(); });
        loop.exec();
        context_ = nullptr;
        restarting_ = true;
        run_.reset();
        testing::settle();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        set_seed_source({});
        return std::move(result_);
    }

  private:
    void start_program()
    {
        // Ending a run lets pending events run; no step may act meanwhile.
        restarting_ = true;
        run_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        run_ = std::make_unique<program_run>();
        restarting_ = false;
        ++result_.runs;
    }

    void fail(const QString& why)
    {
        result_.failed = true;
        result_.violation = why;
        finish();
    }

    void finish()
    {
        finished_ = true;
        loop_->quit();
    }

    // One tick: check the program when it is idle, then act.
    void step()
    {
        if (finished_)
            return;
        QTimer::singleShot(0, context_, [this] { step(); });
        if (restarting_)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            // Let what the last action posted (the check for the program's
            // end among it) run before looking.
            if (!settled_) {
                settled_ = true;
                return;
            }
            settled_ = false;
            last_modal_ = nullptr;
            result_.deepest_question =
                std::max<int>(result_.deepest_question, quiz_state.question_count);
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const QString why = check_idle();
            if (!why.isEmpty())
                return fail(why);
            if (run_->ended())
                start_program();
        } else {
            if (modal != last_modal_) {
                last_modal_ = modal;
                if (modal->windowTitle() == u"Test Complete!")
                    ++result_.quizzes_ended;
                if (modal->objectName() == u"theanswer")
                    ++result_.answer_windows;
            }
            const QString why = check_modal();
            if (!why.isEmpty())
                return fail(why);
        }
        const bool out_of_actions =
            script_ ? next_scripted_ >= script_->size() : result_.events >= budget_;
        if (out_of_actions) {
            if (!modal)
                return finish();
            // Answer what is still open, so that the run ends cleanly.
            act(action{action::kind::close, modal->objectName()});
            return;
        }
        if (script_) {
            act((*script_)[next_scripted_++]);
            return;
        }
        const std::vector<action> choices = available(modal);
        if (choices.empty())
            return;
        act(choices[pick(choices.size())]);
    }

    std::size_t pick(std::size_t n)
    {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }

    std::vector<QWidget*> reachable_windows(QWidget* modal) const
    {
        if (modal)
            return {modal};
        std::vector<QWidget*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && window_names.contains(w->objectName()))
                shown.push_back(w);
        return shown;
    }

    static QString control_name(QWidget* c)
    {
        if (!c->objectName().isEmpty())
            return c->objectName();
        if (auto* b = qobject_cast<QAbstractButton*>(c))
            return b->text();
        return {};
    }

    std::vector<action> available(QWidget* modal)
    {
        std::vector<action> choices;
        for (QWidget* w : reachable_windows(modal)) {
            const QString name = w->objectName();
            for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
                if (b->isVisibleTo(w) && b->isEnabled() && !control_name(b).isEmpty()) {
                    // Buttons are what users press most; the ones that end
                    // a quiz or the program less often, so that runs go deep.
                    const bool ends = (name == u"Welcome" && b->objectName() == u"Command1") ||
                                      b->objectName() == u"quitquiz";
                    for (int i = ends ? 1 : 4; i > 0; --i)
                        choices.push_back({action::kind::click, name, control_name(b)});
                }
            }
            for (QWidget* t : w->findChildren<QWidget*>()) {
                if ((qobject_cast<QPlainTextEdit*>(t) || qobject_cast<QLineEdit*>(t)) &&
                    t->isVisibleTo(w) && !t->objectName().isEmpty())
                    choices.push_back({action::kind::click_text, name, t->objectName()});
            }
            if (modal || pick(4) == 0)
                choices.push_back({action::kind::close, name});
            if (w->minimumSize() != w->maximumSize() && !modal)
                choices.push_back({action::kind::resize,
                                   name,
                                   {},
                                   {},
                                   200 + int(pick(900)),
                                   120 + int(pick(700))});
            QWidget* focus = w->focusWidget();
            if (focus && !focus->objectName().isEmpty()) {
                static const int keys[] = {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Space,
                                           Qt::Key_Escape, Qt::Key_Enter};
                choices.push_back({action::kind::key,
                                   name,
                                   focus->objectName(),
                                   {},
                                   keys[pick(std::size(keys))]});
                if (qobject_cast<QPlainTextEdit*>(focus) || qobject_cast<QLineEdit*>(focus)) {
                    for (int i = 0; i < 3; ++i)
                        choices.push_back(
                            {action::kind::type, name, focus->objectName(), random_text()});
                }
            }
        }
        return choices;
    }

    QString random_text()
    {
        const question_record& q = quiz_state.current_question;
        switch (pick(12)) {
        case 0:
            return {};
        case 1:
            return QStringLiteral("   ");
        case 2:
            return QString(1000 + int(pick(4000)), u'x');
        case 3:
            return QString::fromUtf8("caf\xC3\xA9 \xC3\x84\xC3\x96\xC3\x9C \xE2\x80\x99");
        case 4:
            return QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x8E\x89 router");
        case 5:
            return QStringLiteral("a\x01\x07\x1b\x7f z");
        case 6:
            return QStringLiteral("line one\nline two\n");
        case 7:
            return QStringLiteral("\t \r");
        default:
            // Often the answer a student would type.
            return (pick(2) ? QStringLiteral("  ") : QString()) +
                   (pick(2) ? q.choice_text(1).toUpper() : q.choice_text(1));
        }
    }

    static QWidget* find_window(const QString& name)
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal)
            return modal->objectName() == name ? modal : nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() == name && window_names.contains(name))
                return w;
        return nullptr;
    }

    static QWidget* find_control(QWidget* w, const QString& name)
    {
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (control_name(c) == name && c->isVisibleTo(w) && c->isEnabled())
                return c;
        }
        return nullptr;
    }

    static void send_text(QWidget* target, const QString& text)
    {
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                QTest::keyClick(target, Qt::Key_Return);
            }
            if (!lines[i].isEmpty()) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, lines[i]);
                QApplication::sendEvent(target, &press);
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, lines[i]);
                QApplication::sendEvent(target, &release);
            }
        }
    }

    void act(const action& a)
    {
        QWidget* w = find_window(a.window);
        if (!w)
            return;
        QWidget* c = a.control.isEmpty() ? nullptr : find_control(w, a.control);
        if (!a.control.isEmpty() && !c)
            return;
        if (log_)
            log_(a);
        result_.actions.push_back(a);
        ++result_.events;

        switch (a.what) {
        case action::kind::click:
            if (auto* b = qobject_cast<QAbstractButton*>(c))
                QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
            break;
        case action::kind::click_text:
            if (auto* area = qobject_cast<QAbstractScrollArea*>(c))
                c = area->viewport();
            QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, c->rect().center());
            break;
        case action::kind::type:
            send_text(c, a.text);
            break;
        case action::kind::key:
            QTest::keyClick(c, static_cast<Qt::Key>(a.number));
            break;
        case action::kind::close:
            testing::close_from_title_bar(w);
            break;
        case action::kind::resize:
            w->resize(a.number, a.number2);
            break;
        }
    }

    QString check_modal() const
    {
        int modals = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            modals += w->isVisible() && w->isModal();
        return modals > 1 ? QStringLiteral("%1 modal windows at once").arg(modals) : QString();
    }

    QString check_idle() const
    {
        const auto& s = quiz_state;
        app& a = run_->the_app();
        if (s.right_count < 0 || s.right_count > s.question_count)
            return QStringLiteral("right_count %1 outside 0 to question_count %2")
                .arg(s.right_count)
                .arg(s.question_count);
        if (s.question_count > s.questions_per_quiz + 1)
            return QStringLiteral("question_count %1 past the quiz").arg(s.question_count);
        const bool ended = run_->ended();
        if (ended == a.program.any_loaded())
            return ended ? QStringLiteral("the program ended with a window loaded")
                         : QStringLiteral("no window is loaded but the program goes on");
        std::map<QString, int> live;
        int shown = 0, total = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            ++total;
            if (window_names.contains(w->objectName()))
                ++live[w->objectName()];
            shown += w->isVisible();
        }
        for (const auto& [name, n] : live)
            if (n > 1)
                return QStringLiteral("%1 live windows named %2").arg(n).arg(name);
        if (total > 40)
            return QStringLiteral("%1 top-level widgets alive").arg(total);
        if (!ended && shown == 0)
            return QStringLiteral("the program is idle and shows no window");
        if (ended)
            return {};
        const bool in_quiz = s.question_count >= 1 && s.question_count <= s.questions_per_quiz;
        if (in_quiz) {
            const int index = s.current_index;
            if (index < 1 || index > bank_size || (index - s.quiz_number) % 4 != 0)
                return QStringLiteral("current_index %1 is not a record of quiz %2")
                    .arg(index)
                    .arg(s.quiz_number);
        }
        if (!a.quest.is_loaded() || !a.quest.loaded_window()->isVisible() || !in_quiz)
            return {};
        const forms::form& quest = a.quest;
        const QString score = control<QLabel>(quest, QStringLiteral("score"))->text();
        const QString percent = control<QLabel>(quest, QStringLiteral("Percent_Right"))->text();
        const int judged = s.question_count - 1;
        const QString want_score = judged == 0 ? QString() : score_text(s.right_count, judged);
        const QString want_percent =
            judged == 0 ? QString() : number_text(whole_percent(s.right_count, judged)) + u'%';
        if (score != want_score || percent != want_percent)
            return QStringLiteral("score '%1' and percentage '%2' after %3 right of %4")
                .arg(score, percent)
                .arg(s.right_count)
                .arg(judged);
        // The shown question is its bank record, choices in display order.
        const question_record& bank = question_bank(s.current_index);
        const question_record& shown_q = s.current_question;
        if (shown_q.question_text != bank.question_text ||
            control<QPlainTextEdit>(quest, QStringLiteral("Q1"))->toPlainText() !=
                visible_text(bank.question_text))
            return QStringLiteral("the shown question is not record %1").arg(s.current_index);
        std::multiset<std::pair<QString, int>> from_bank, on_screen;
        for (int i = 1; i <= 6; ++i) {
            from_bank.insert({bank.choice_text(i), bank.choice_correct(i)});
            on_screen.insert({shown_q.choice_text(i), shown_q.choice_correct(i)});
        }
        if (from_bank != on_screen)
            return QStringLiteral("the choices of record %1 are not its own").arg(s.current_index);
        if (!is_fill_in(shown_q.question_type)) {
            for (int i = 2; i <= 6; ++i) {
                auto* box = control<QPlainTextEdit>(quest, QStringLiteral("abox_%1").arg(i));
                const bool want = !is_empty_text(shown_q.choice_text(i));
                if (box->isHidden() == want ||
                    (want && box->toPlainText() != visible_text(shown_q.choice_text(i))))
                    return QStringLiteral("choice %1 of record %2 is not shown as it should be")
                        .arg(i)
                        .arg(s.current_index);
            }
        }
        return {};
    }

    std::mt19937_64 rng_;
    std::mt19937_64 program_rng_;
    long budget_;
    const std::vector<action>* script_;
    std::size_t next_scripted_ = 0;
    std::function<void(const action&)> log_;
    outcome result_;
    std::unique_ptr<program_run> run_;
    QEventLoop* loop_ = nullptr;
    QObject* context_ = nullptr;
    bool settled_ = false;
    bool finished_ = false;
    bool restarting_ = false;
    QWidget* last_modal_ = nullptr;
};

} // namespace

outcome run_random(std::uint64_t seed, long events, const std::function<void(const action&)>& log)
{
    return driver(seed, events, nullptr, log).go();
}

outcome replay(std::uint64_t seed, const std::vector<action>& actions)
{
    return driver(seed, 0, &actions, {}).go();
}

} // namespace examdeck::fuzz
