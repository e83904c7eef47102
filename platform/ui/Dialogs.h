#pragma once

#include <QList>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

enum class TMsgDlgType { Error, Warning, Information, Confirmation };

// Buttons combine as flags; results keep the toolkit's values, which callers may have stored.
enum TMsgDlgBtn { mbOK = 1, mbCancel = 2, mbYes = 4, mbNo = 8 };
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

struct TShownMessage {
    QString Text;
    QString Title;
    TMsgDlgType Type = TMsgDlgType::Information;
    int Buttons = mbOK;
};

struct TShownSaveDialog {
    QString Title;
    QString Folder;
    QString ProposedName;
    QString Filter;
    QString DefaultSuffix;
};

// Shows a modal message box and returns the TModalResult of the button chosen.
int MessageBox(QWidget* parent, const QString& text, const QString& title, TMsgDlgType type, int buttons);

// Asks for the name of a file to write; empty when the user cancels. A name typed without a
// suffix receives the default one.
QString SaveFileName(QWidget* parent, const QString& title, const QString& folder,
                     const QString& proposedName, const QString& filter, const QString& defaultSuffix);

// The toolkit's confirmation before a record is deleted; true when the user chose OK.
bool ConfirmRecordDelete(QWidget* parent);

// Shows a dialog modally and returns its result.
int ShowModal(QDialog* dialog);

// Shows a print preview and returns when it closes. A modal preview makes the other windows wait;
// otherwise they stay usable while the caller waits, and the wait also ends with the application.
void ShowPreview(QDialog* preview, bool modal);

// While an instance lives, the dialogs above record what they would show and take their answer from
// it instead of opening a modal loop. Instances nest: the newest one answers.
class TDialogAnswers {
public:
    TDialogAnswers();
    ~TDialogAnswers();
    TDialogAnswers(const TDialogAnswers&) = delete;
    TDialogAnswers& operator=(const TDialogAnswers&) = delete;

    // Without a handler a message box answers with its default button, as pressing Enter would.
    std::function<int(const TShownMessage&)> OnMessage;
    // Without a handler the save dialog is cancelled.
    std::function<QString(const TShownSaveDialog&)> OnSaveFile;
    // Plays the user's part in a modal dialog: fills its controls, presses its buttons, and
    // returns its result. Without a handler the dialog is closed with no result.
    std::function<int(QDialog*)> OnModal;
    // Looks at a preview, or works its buttons, instead of showing it; the preview then counts as
    // closed. Without a handler it closes at once.
    std::function<void(QWidget* preview)> OnPreview;

    const QList<TShownMessage>& Messages() const { return FMessages; }
    const QList<TShownSaveDialog>& SaveDialogs() const { return FSaveDialogs; }
    void Clear();

    // The instance answering now, or none when the user answers.
    static TDialogAnswers* Active();
    int AnswerMessage(const TShownMessage& message);
    QString AnswerSaveFile(const TShownSaveDialog& dialog);

private:
    TDialogAnswers* FPrevious;
    QList<TShownMessage> FMessages;
    QList<TShownSaveDialog> FSaveDialogs;
};
