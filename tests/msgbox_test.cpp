#include "framework/MsgBox.h"
#include "tests/support/MsgBoxRecorder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

using namespace fw;

namespace {

struct SeenBox {
    bool seen = false;
    QString text;
    QString title;
    bool modal = false;
};

// Shows `text` through the real box; once the box is up, reads it and presses Return on it. A box that
// does not close on Return is closed after a while, so that the test fails instead of hanging.
SeenBox showAndPressReturn(const String& text, bool& closedByReturn)
{
    SeenBox seen;
    closedByReturn = false;
    QTimer reader;
    reader.setSingleShot(true);
    QObject::connect(&reader, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = { true, box->text(), box->windowTitle(), box->isModal() };
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
        closedByReturn = !box->isVisible();
    });
    QTimer guard; // local, so that it never fires into a later test
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->done(0);
    });
    reader.start(0);
    guard.start(5000);
    MsgBox(text);
    return seen;
}

TEST(MsgBox, ShowsAModalBoxThatReturnCloses)
{
    bool closedByReturn;
    const SeenBox seen = showAndPressReturn("Error", closedByReturn);
    ASSERT_TRUE(seen.seen) << "no message box came up";
    EXPECT_EQ(seen.text, QStringLiteral("Error"));
    EXPECT_EQ(seen.title, QStringLiteral("IDE Script"));
    EXPECT_TRUE(seen.modal);
    EXPECT_TRUE(closedByReturn);
}

TEST(MsgBox, TextThatIsNotUtf8ShowsWithReplacementCharacters)
{
    struct Case {
        String text;
        QString shown;
    } cases[] = {
        { String("bad \xff name", Encoding::UTF8), QString::fromUtf8("bad \xef\xbf\xbd name") },
        { String::fromBytes("\xc3("), QString::fromUtf8("\xef\xbf\xbd(") },
        { "missing ) at <b>", QStringLiteral("missing ) at <b>") }, // plain text, never markup
        { "挨拶", QString::fromUtf8("挨拶") },
    };
    for (const Case& c : cases) {
        bool closedByReturn;
        const SeenBox seen = showAndPressReturn(c.text, closedByReturn);
        ASSERT_TRUE(seen.seen);
        EXPECT_EQ(seen.text, c.shown) << c.text.bytes();
        EXPECT_TRUE(closedByReturn);
    }
}

TEST(MsgBox, TheSeamTakesTheTextsAndPutsBackTheRealBox)
{
    {
        MsgBoxRecorder outer;
        {
            MsgBoxRecorder inner;
            MsgBox("first");
            EXPECT_EQ(inner.texts, std::vector<std::string> { "first" });
        }
        MsgBox(String("second\xff", Encoding::UTF8));
        EXPECT_EQ(outer.texts, std::vector<std::string> { "second\xff" }); // the bytes as given
    }
    bool closedByReturn;
    EXPECT_TRUE(showAndPressReturn("third", closedByReturn).seen);
}

} // namespace
