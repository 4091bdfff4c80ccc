#pragma once

// Options > the reader's church year: the hour from which "today" is the next
// liturgical day, and the patron saint of the reader's church, picked from the
// synaxarium's names; OK keeps both in the user's own settings.

#include "calendar/feast_dates.h"
#include "readings/saint_search.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace Lectarium {

class FrmChurch_Year final : public QDialog {
    Q_OBJECT

public:
    explicit FrmChurch_Year(QWidget* parent = nullptr);

    void CommandFind_Click();
    void CommandNo_Patron_Click();
    // OK: stores the evening hour and the patron, then closes.
    void CommandOK_Click();

    QCheckBox* CheckEvening() const { return checkEvening_; }
    QSpinBox* SpinEvening() const { return spinEvening_; }
    QLineEdit* TextName() const { return textName_; }
    QListWidget* ListFound() const { return listFound_; }
    QLabel* LabelPatron() const { return labelPatron_; }

private:
    void showPatron();
    void pickFound();

    QCheckBox* checkEvening_ = nullptr;
    QSpinBox* spinEvening_ = nullptr;
    QLineEdit* textName_ = nullptr;
    QListWidget* listFound_ = nullptr;
    QLabel* labelPatron_ = nullptr;
    QList<MdlLectarium::Commemoration> all_;   // the synaxarium's names, read once
    QList<MdlLectarium::Coptic_Feast> patron_; // as chosen so far
};

} // namespace Lectarium
