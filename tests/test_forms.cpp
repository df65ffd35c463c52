// The window model and its stand-ins, on small windows made for the test.

#include "centre_form.h"
#include "design.h"
#include "form.h"
#include "program.h"
#include "toggle_button.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace examdeck;

namespace {

// A window with one text box whose design text is "design", and procedures
// that log what they do and can be given extra work.
class probe_form : public forms::form {
  public:
    probe_form(forms::program& owner, QString name, QStringList& log)
        : form(owner, std::move(name)), log_(log)
    {
    }

    QLineEdit* box() { return window()->findChild<QLineEdit*>(); }
    std::function<void()> on_load, on_unload;

  protected:
    QWidget* build() override
    {
        auto* w = new QWidget;
        new QLineEdit(QStringLiteral("design"), w);
        forms::set_inner_size(w, 3000, 1500, false);
        return w;
    }
    void load_procedure() override
    {
        log_ << QStringLiteral("load ") + name();
        if (on_load)
            on_load();
    }
    void unload_procedure() override
    {
        log_ << QStringLiteral("unload ") + name();
        if (on_unload)
            on_unload();
    }

  private:
    QStringList& log_;
};

class window_model : public ::testing::Test {
  protected:
    void TearDown() override
    {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    QStringList log;
    forms::program program;
    probe_form a{program, QStringLiteral("a"), log};
    probe_form b{program, QStringLiteral("b"), log};
};

} // namespace

TEST_F(window_model, first_use_loads_and_asking_does_not)
{
    EXPECT_FALSE(a.is_loaded());
    EXPECT_EQ(a.loaded_window(), nullptr);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(a.box()->text(), QStringLiteral("design"));
    EXPECT_TRUE(a.is_loaded());
    EXPECT_FALSE(a.window()->isVisible());
    a.show();
    EXPECT_TRUE(a.window()->isVisible());
    EXPECT_EQ(log, QStringList{QStringLiteral("load a")});
}

TEST_F(window_model, hiding_keeps_the_window_and_closing_discards_it)
{
    a.show();
    a.box()->setText(QStringLiteral("typed"));
    a.hide();
    EXPECT_TRUE(a.is_loaded());
    EXPECT_EQ(a.box()->text(), QStringLiteral("typed"));
    QPointer<QWidget> old = a.window();
    a.close();
    EXPECT_FALSE(a.is_loaded());
    EXPECT_FALSE(old->isVisible());
    settle();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(a.box()->text(), QStringLiteral("design"));
    EXPECT_EQ(log, (QStringList{QStringLiteral("load a"), QStringLiteral("unload a"),
                                QStringLiteral("load a")}));
}

TEST_F(window_model, closing_a_closed_or_closing_window_does_nothing)
{
    a.close();
    EXPECT_TRUE(log.isEmpty());
    EXPECT_FALSE(a.is_loaded());
    // a's unload closes b, whose unload closes a again: that second close
    // reaches a window that is already closing.
    a.on_unload = [&] { b.close(); };
    b.on_unload = [&] { a.close(); };
    a.load();
    b.load();
    a.close();
    EXPECT_EQ(log, (QStringList{QStringLiteral("load a"), QStringLiteral("load b"),
                                QStringLiteral("unload a"), QStringLiteral("unload b")}));
    EXPECT_FALSE(a.is_loaded());
    EXPECT_FALSE(b.is_loaded());
}

TEST_F(window_model, a_close_that_reaches_a_window_still_loading_is_ignored)
{
    // a's load closes b, whose unload closes a: a survives and ends loaded.
    b.load();
    b.on_unload = [&] { a.close(); };
    a.on_load = [&] { b.close(); };
    a.show();
    EXPECT_TRUE(a.is_loaded());
    EXPECT_TRUE(a.window()->isVisible());
    EXPECT_FALSE(b.is_loaded());
    EXPECT_FALSE(log.contains(QStringLiteral("unload a")));
}

TEST_F(window_model, the_close_box_unloads_like_a_close_from_code)
{
    a.show();
    QCloseEvent event;
    QApplication::sendEvent(a.window(), &event);
    EXPECT_FALSE(a.is_loaded());
    EXPECT_TRUE(log.contains(QStringLiteral("unload a")));
}

TEST_F(window_model, escape_neither_hides_nor_closes)
{
    a.show();
    QTest::keyClick(a.box(), Qt::Key_Escape);
    EXPECT_TRUE(a.is_loaded());
    EXPECT_TRUE(a.window()->isVisible());
}

TEST_F(window_model, modal_showing_returns_when_the_window_is_hidden_or_closed)
{
    for (bool by_close : {false, true}) {
        QObject context;
        QTimer::singleShot(0, &context, [&] {
            ASSERT_EQ(QApplication::activeModalWidget(), a.loaded_window());
            if (by_close) {
                QCloseEvent event;
                QApplication::sendEvent(a.loaded_window(), &event);
            } else {
                a.hide();
            }
        });
        a.show_modal();
        EXPECT_EQ(a.is_loaded(), !by_close);
        a.close();
    }
}

TEST_F(window_model, the_program_ends_after_the_event_that_closed_the_last_window)
{
    a.show();
    b.load();
    a.close();
    settle();
    EXPECT_FALSE(program.has_ended()) << "b is loaded, though hidden";
    b.close();
    EXPECT_FALSE(program.has_ended()) << "never in the middle of a procedure";
    settle();
    EXPECT_TRUE(program.has_ended());
}

TEST_F(window_model, a_moment_with_no_window_inside_a_procedure_does_not_end_it)
{
    a.show();
    a.close();
    b.show();
    settle();
    EXPECT_FALSE(program.has_ended());
}

TEST_F(window_model, ending_at_once_runs_no_unload_procedure)
{
    a.show();
    b.load();
    program.end_now();
    EXPECT_TRUE(program.has_ended());
    EXPECT_FALSE(a.is_loaded());
    EXPECT_FALSE(b.is_loaded());
    EXPECT_FALSE(log.contains(QStringLiteral("unload a")));
    EXPECT_FALSE(log.contains(QStringLiteral("unload b")));
}

TEST_F(window_model, a_handler_goes_on_after_its_own_window_was_closed)
{
    a.show();
    auto* button = new QPushButton(a.window());
    int ran = 0;
    QObject::connect(button, &QPushButton::clicked, [&] {
        a.close();
        // The window is gone; using it again loads it afresh.
        EXPECT_EQ(a.box()->text(), QStringLiteral("design"));
        ++ran;
    });
    button->show();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(a.is_loaded());
}

TEST(centre_form, halves_in_single_precision_without_clamping)
{
    struct row {
        float screen, window, offset, position;
    };
    for (const row& r : std::initializer_list<row>{{19200, 9195, 0, 5002.5f},
                                                   {19200, 9200, 0, 5000},
                                                   {9000, 12000, 0, -1500},
                                                   {19200, 9200, 300, 4700},
                                                   {19200, 9200, -150.5f, 5150.5f}})
        EXPECT_EQ(centred_position(r.screen, r.window, r.offset), r.position);
}

TEST(twips_layout, controls_follow_the_window_and_keep_heights_set_by_code)
{
    QWidget window;
    forms::set_inner_size(&window, 3000, 1500, false);
    forms::twips_layout layout(&window, {3000, 1500});
    auto* child = layout.place(new QWidget(&window), QStringLiteral("child"), 150, 300, 1500, 600);
    EXPECT_EQ(child->geometry(), QRect(10, 20, 100, 40));
    window.show();
    window.resize(400, 200);
    EXPECT_EQ(child->geometry(), QRect(20, 40, 200, 80));
    layout.set_height(child, 300); // twips of the window as it is now
    EXPECT_EQ(child->height(), 20);
    EXPECT_DOUBLE_EQ(layout.current_height(child), 300);
    window.resize(200, 100);
    EXPECT_EQ(child->height(), 10) << "the height set by code scales with the window";
}

TEST(toggle_button, a_click_or_space_flips_it_and_code_sets_it)
{
    QWidget window;
    auto* toggle = new forms::toggle_button(&window);
    toggle->setGeometry(0, 0, 49, 33);
    window.show();
    EXPECT_FALSE(toggle->pressed());
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(toggle->pressed());
    toggle->setFocus();
    QTest::keyClick(toggle, Qt::Key_Space);
    EXPECT_FALSE(toggle->pressed());
    toggle->set_pressed(true);
    EXPECT_TRUE(toggle->pressed());
    toggle->hide();
    EXPECT_TRUE(toggle->isHidden());
}
