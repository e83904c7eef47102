#pragma once

#include <QDialog>
#include <memory>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class VerInfo;

// The about dialog: the program's name and file version, the author's address, the editor of
// the rented-good name (carried for the main window, which stores it) and the archiving of the
// database. Created once at start-up and shown modally from the main window.
class TFormAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit TFormAboutDlg(QWidget* owner = nullptr);
    ~TFormAboutDlg() override;

    void SetRentedGoodText(const QString& name);
    QString GetRentedGoodText() const;

    QPushButton* BitBtnFermer;
    QGroupBox* GroupBoxAbout;
    QLabel* ImageQuimbels;
    QLabel* LabelQuimbels;
    QLabel* LabelV;
    QLabel* LabelVersionNbr;
    QLabel* LabelCopyright;
    QLabel* LabelAdresseMail;
    QFrame* Bevel1;
    QLabel* Label1;
    QLineEdit* EditNombienLoue;
    QLabel* Label2;
    QLabel* ImageMoi;
    QFrame* Bevel2;
    QToolButton* SpeedButtonArchiver;

    // The characters typed on BitBtnFermer since the dialog was last shown.
    QString TypedKeys;

    void FormShow();
    void BitBtnFermerClick();
    void BitBtnFermerKeyPress(QChar key);
    void LabelAdresseMailClick();
    void SpeedButtonArchiverClick();

    // Typed first on the close button, it reveals ImageMoi.
    static const QString RevealCode;
    static const QString AuthorAddress;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildGroupBox();

    std::unique_ptr<VerInfo> FVerInfo;
};

// The instance created at start-up.
extern TFormAboutDlg* FormAboutDlg;
