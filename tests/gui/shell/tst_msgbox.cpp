// The message-box seam: queued answers, recorded texts, unattended runs.

#include "shell/AppState.h"
#include "shell/FileDialogs.h"
#include "shell/MsgBox.h"

#include <QtTest>

class TestMsgBox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void questionsTakeQueuedAnswersInOrder();
    void noticesLeaveQueuedAnswersForQuestions();
    void unattendedQuestionAnswersItsDefault();
    void promptsTakeQueuedTexts();
    void fileChoosersTakeQueuedNames();
};

void TestMsgBox::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestMsgBox::init()
{
    MsgBox::clearQueues();
    MsgBox::clearShown();
    FileDialogs::clearQueues();
    FileDialogs::clearAsked();
}

void TestMsgBox::questionsTakeQueuedAnswersInOrder()
{
    MsgBox::queueAnswer(QMessageBox::No);
    MsgBox::queueAnswer(QMessageBox::Yes);
    QCOMPARE(MsgBox::question(nullptr, "first?"), QMessageBox::No);
    QVERIFY(MsgBox::confirm(nullptr, "second?"));
    QCOMPARE(MsgBox::queuedAnswers(), 0);
    QCOMPARE(MsgBox::shownTexts(), (QStringList{"first?", "second?"}));
}

void TestMsgBox::noticesLeaveQueuedAnswersForQuestions()
{
    MsgBox::queueAnswer(QMessageBox::No);
    MsgBox::information(nullptr, "done");
    MsgBox::error(nullptr, "failed");
    QCOMPARE(MsgBox::queuedAnswers(), 1);
    QVERIFY(!MsgBox::confirm(nullptr, "go on?"));
    // A queued Ok acknowledges a notice.
    MsgBox::queueAnswer(QMessageBox::Ok);
    MsgBox::warning(nullptr, "careful");
    QCOMPARE(MsgBox::queuedAnswers(), 0);
    QCOMPARE(MsgBox::shownTexts(), (QStringList{"done", "failed", "go on?", "careful"}));
}

void TestMsgBox::unattendedQuestionAnswersItsDefault()
{
    QCOMPARE(MsgBox::question(nullptr, "default yes?"), QMessageBox::Yes);
    QCOMPARE(MsgBox::question(nullptr, "default no?", QMessageBox::No), QMessageBox::No);
}

void TestMsgBox::promptsTakeQueuedTexts()
{
    MsgBox::queueInput("secret");
    MsgBox::queueInput(QString(), false);
    bool ok = false;
    QCOMPARE(MsgBox::inputText(nullptr, "t", "Password", QLineEdit::Password, "xxxxxxxxxxx", &ok),
             QStringLiteral("secret"));
    QVERIFY(ok);
    // A cancelled prompt gives back its preset text.
    QCOMPARE(MsgBox::inputText(nullptr, "t", "Password", QLineEdit::Password, "xxxxxxxxxxx", &ok),
             QStringLiteral("xxxxxxxxxxx"));
    QVERIFY(!ok);
    // Unattended with nothing queued: cancelled.
    MsgBox::inputText(nullptr, "t", "Name", QLineEdit::Normal, "n", &ok);
    QVERIFY(!ok);
}

void TestMsgBox::fileChoosersTakeQueuedNames()
{
    FileDialogs::queueFileName("/tmp/a.inv");
    FileDialogs::queueFileName(QString());
    FileDialogs::queuePrintAnswer(true);
    QCOMPARE(FileDialogs::openFileName(nullptr, "Open lines"), QStringLiteral("/tmp/a.inv"));
    QVERIFY(FileDialogs::saveFileName(nullptr, "Save lines").isEmpty());
    QVERIFY(FileDialogs::folder(nullptr, "Backup folder").isEmpty()); // unattended
    QVERIFY(FileDialogs::print(nullptr, nullptr));
    QVERIFY(!FileDialogs::print(nullptr, nullptr));
    QCOMPARE(FileDialogs::askedCaptions(),
             (QStringList{"Open lines", "Save lines", "Backup folder", "print", "print"}));
}

QTEST_MAIN(TestMsgBox)
#include "tst_msgbox.moc"
