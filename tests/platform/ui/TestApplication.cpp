#include "platform/Error.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

#include <QEvent>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <utility>

namespace {

// Throws whatever it is told to from its event handler, and counts the events it handled.
class ThrowingObject : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (Throw) {
            const std::function<void()> thrower = std::exchange(Throw, nullptr);
            thrower();
        }
        ++Handled;
        return true;
    }
    std::function<void()> Throw;
    int Handled = 0;
};

class ApplicationTest : public testing::Test {
protected:
    void SetUp() override { QApplication::setApplicationDisplayName(QStringLiteral("Vorandel")); }

    TDialogAnswers Answers;
    ThrowingObject Receiver;
};

} // namespace

TEST_F(ApplicationTest, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
    const struct {
        std::function<void()> thrower;
        const char* shown;
    } cases[] = {
        {[] { throw EDatabaseError(QStringLiteral("La base de données « Quimbels.mdb » est endommagée.")); },
         "La base de données « Quimbels.mdb » est endommagée."},
        {[] { throw std::runtime_error("disque plein"); }, "disque plein"},
        {[] { throw 42; }, "Une erreur inattendue s'est produite."},
    };
    for (const auto& c : cases) {
        Answers.Clear();
        Receiver.Throw = c.thrower;
        QEvent event(QEvent::User);
        EXPECT_FALSE(QCoreApplication::sendEvent(&Receiver, &event));
        ASSERT_EQ(Answers.Messages().size(), 1) << c.shown;
        const TShownMessage& message = Answers.Messages()[0];
        EXPECT_EQ(message.Text, QString::fromUtf8(c.shown));
        EXPECT_EQ(message.Title, QStringLiteral("Vorandel"));
        EXPECT_EQ(message.Type, TMsgDlgType::Error);
        EXPECT_EQ(message.Buttons, mbOK);
    }
    QEvent event(QEvent::User);
    EXPECT_TRUE(QCoreApplication::sendEvent(&Receiver, &event));
    EXPECT_EQ(Receiver.Handled, 1);
}

TEST_F(ApplicationTest, AnExceptionFromAPostedEventIsShownByTheEventLoop) {
    Receiver.Throw = [] {
        throw EConvertError(QStringLiteral("'abc' n'est pas une valeur entière correcte"));
    };
    QCoreApplication::postEvent(&Receiver, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&Receiver, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    ASSERT_EQ(Answers.Messages().size(), 1);
    EXPECT_EQ(Answers.Messages()[0].Text, QStringLiteral("'abc' n'est pas une valeur entière correcte"));
    EXPECT_EQ(Receiver.Handled, 1);
}

TEST_F(ApplicationTest, ShowExceptionIsTheStandardErrorDisplay) {
    ShowException(QStringLiteral("Le fichier de base de données est introuvable."));
    ASSERT_EQ(Answers.Messages().size(), 1);
    const TShownMessage& message = Answers.Messages()[0];
    EXPECT_EQ(message.Text, QStringLiteral("Le fichier de base de données est introuvable."));
    EXPECT_EQ(message.Title, QStringLiteral("Vorandel"));
    EXPECT_EQ(message.Type, TMsgDlgType::Error);
    EXPECT_EQ(message.Buttons, mbOK);
}

// The application object is what this binary tests, so it makes its own instead of the shared one.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
