#pragma once

// The saint window: the picture of the day's saint and the text about it.

#include <QPixmap>
#include <QWidget>

class QLabel;
class QPushButton;

namespace Lectarium {

class Reading_Box;

class FrmSant final : public QWidget {
    Q_OBJECT

public:
    // The loaded window, or nullptr.
    static FrmSant* Instance();
    // Loads and shows the window, or gives the loaded one to be filled again.
    static FrmSant* Show_Window();

    ~FrmSant() override;

    void Command_Close_Click();

    // Clears the picture, so that "no picture" shows.
    void Clear_Picture();
    // Loads a picture file in any format the platform reads; false leaves it clear.
    bool Load_Picture(const QString& path);
    bool Has_Picture() const { return !picture_.isNull(); }

    QLabel* Image_Sant() const { return imageSant_; }
    QLabel* Label1() const { return label1_; }
    Reading_Box* Text1() const { return text1_; }
    QPushButton* Command_Close() const { return commandClose_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    FrmSant();
    void Form_Load();
    void showPicture();

    QLabel* imageSant_ = nullptr;
    QLabel* label1_ = nullptr;
    Reading_Box* text1_ = nullptr;
    QPushButton* commandClose_ = nullptr;
    QPixmap picture_;
};

} // namespace Lectarium
