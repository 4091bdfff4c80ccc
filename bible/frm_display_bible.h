#pragma once

// The passage window: one text under a one-line heading, filled by its opener. There
// is at most one; every opening closes the open one and builds it anew at the place
// it had. Any key closes it.

#include "shell/printable.h"

#include <QWidget>

class QLineEdit;
class QMdiSubWindow;

namespace Lectarium {

class Reading_Box;

class FrmDisplay_Bible final : public QWidget, public Printable, public Where_Read_Source {
    Q_OBJECT

public:
    // The open window, or nullptr.
    static FrmDisplay_Bible* Instance();
    // Closes the open window (its placement is recorded), creates it anew, sets the
    // heading, the body (CR LF line ends) and the caption, and shows it modeless.
    // A passage read from another window opens beside that window (`beside`), not over it,
    // unless the reader has already put the passage window somewhere clear of it.
    static FrmDisplay_Bible* Show_Text(const QString& heading, const QString& body, const QString& caption,
                                       const QWidget* beside = nullptr);

    ~FrmDisplay_Bible() override;

    QLineEdit* Text_Sign() const { return textSign_; }
    Reading_Box* Text1() const { return text1_; }
    QWidget* Toolbar1() const { return toolbar1_; }

    // Applies the text appearance to Text1 (the focus handlers).
    void Apply_Appearance();

    QString Print_Title() const override; // the caption and the reference
    QString Print_Html() const override;
    QString Where_Reference() const override;

protected:
    void closeEvent(QCloseEvent* event) override; // Form_Unload
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    FrmDisplay_Bible();
    void Form_Load();
    void Form_Resize();
    static void keepBeside(QMdiSubWindow* sub, const QWidget* beside);

    QWidget* toolbar1_ = nullptr;
    QLineEdit* textSign_ = nullptr;
    Reading_Box* text1_ = nullptr;
    QString tableHtml_; // the passage side by side, when shown so
    QString heading_;   // the reference as stored; the box shows it in the reader's language
};

} // namespace Lectarium
