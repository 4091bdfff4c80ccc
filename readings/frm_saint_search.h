#pragma once

// "بحث في السنكسار": the commemorations of the synaxarium found by any part of a name,
// each with its Coptic date and the Gregorian date in a chosen year; a row opens that
// day in the day chooser.

#include "readings/saint_search.h"

#include <QList>
#include <QWidget>

class QLineEdit;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;
class QLabel;

namespace Lectarium {

class FrmSaint_Search final : public QWidget {
    Q_OBJECT

public:
    static FrmSaint_Search* Show_Window();
    static FrmSaint_Search* Instance();

    // Handlers, callable directly.
    void CommandFind_Click();
    // Opens the day of a row in the day chooser.
    void ListFound_Activated(QTreeWidgetItem* item);

    QLineEdit* TextName() const { return textName_; }
    QSpinBox* SpinYear() const { return spinYear_; }
    QTreeWidget* ListFound() const { return listFound_; }
    QLabel* LabelCount() const { return labelCount_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FrmSaint_Search();
    void Form_Load();

    QList<MdlLectarium::Commemoration> all_;
    QLineEdit* textName_ = nullptr;
    QSpinBox* spinYear_ = nullptr;
    QTreeWidget* listFound_ = nullptr;
    QLabel* labelCount_ = nullptr;
};

} // namespace Lectarium
