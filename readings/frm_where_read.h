#pragma once

// Where a passage is read: every reading that covers the verses of the passage window
// or the Bible browser's chapter, with its occasion, office and reading and the days of
// a chosen year in both calendars (or why it is read on none). A row opens its day.

#include <QDate>
#include <QWidget>

class QLabel;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace Lectarium {

class FrmWhere_Read final : public QWidget {
    Q_OBJECT

public:
    // The open window, or nullptr.
    static FrmWhere_Read* Instance();
    // Lists the readings of reference for year, in the open window or a new one. A
    // reference the index cannot answer is told in a message, and no window opens.
    static FrmWhere_Read* Show_Window(const QString& reference, int year);

    ~FrmWhere_Read() override;

    // Reads the list again for year.
    void Spin_Year_Change(int year);
    // Opens the row's day as the day chooser's Show does; a row without a day opens nothing.
    void List_Where_Activated(QTreeWidgetItem* item);

    QTreeWidget* List_Where() const { return list_; }
    QSpinBox* Spin_Year() const { return year_; }

    // Every column and up to a dozen rows of the first list.
    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FrmWhere_Read();
    bool fill(int year, QString& error);
    void fitContents();

    QLabel* referenceLabel_ = nullptr;
    QSpinBox* year_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QString reference_;
    QSize fitted_;
};

// The caption of the window and of the File menu's item.
QString Where_Read_Caption();

} // namespace Lectarium
