#include "app/frm_church_year.h"

#include "base/settings.h"
#include "calendar/reader_days.h"
#include "calendar/selected_day.h"
#include "lectionary/data_source.h"
#include "shell/dialogs.h"
#include "shell/interface_translation.h"
#include "shell/paragraph_layout.h"
#include "shell/placement.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

QString copticDate(int month, int day) {
    return QString::number(day) + QLatin1Char(' ') +
           (month >= 1 && month <= 13 ? Coptic_Month_Names[static_cast<size_t>(month)]
                                      : QString::number(month));
}

} // namespace

FrmChurch_Year::FrmChurch_Year(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmChurch_Year"));
    setWindowTitle(tr("السنة الكنسية"));
    setLayoutDirection(Window_Direction());

    checkEvening_ = new QCheckBox(tr("المساء لليوم التالي (العشية) ابتداءً من الساعة"), this);
    checkEvening_->setObjectName(QStringLiteral("CheckEvening"));
    spinEvening_ = new QSpinBox(this);
    spinEvening_->setObjectName(QStringLiteral("SpinEvening"));
    spinEvening_->setRange(0, 23);
    const int hour = Stored_Evening_Hour();
    checkEvening_->setChecked(hour >= 0);
    spinEvening_->setValue(hour >= 0 ? hour : 18); // Vespers' usual hour
    spinEvening_->setEnabled(hour >= 0);
    connect(checkEvening_, &QCheckBox::toggled, spinEvening_, &QSpinBox::setEnabled);
    auto* evening = new QHBoxLayout;
    evening->addWidget(checkEvening_);
    evening->addWidget(spinEvening_);
    evening->addStretch();

    auto* patronBox = new QGroupBox(tr("شفيع الكنيسة"), this);
    textName_ = new QLineEdit(patronBox);
    textName_->setObjectName(QStringLiteral("TextName"));
    auto* find = new QPushButton(tr("بحث"), patronBox);
    find->setObjectName(QStringLiteral("CommandFind"));
    connect(find, &QPushButton::clicked, this, &FrmChurch_Year::CommandFind_Click);
    connect(textName_, &QLineEdit::returnPressed, this, &FrmChurch_Year::CommandFind_Click);
    listFound_ = new QListWidget(patronBox);
    listFound_->setObjectName(QStringLiteral("ListFound"));
    // A saint kept on several days is chosen with all of them.
    Align_Items(listFound_);
    listFound_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(listFound_, &QListWidget::itemSelectionChanged, this, &FrmChurch_Year::pickFound);
    labelPatron_ = new QLabel(patronBox);
    labelPatron_->setObjectName(QStringLiteral("LabelPatron"));
    labelPatron_->setWordWrap(true);
    auto* none = new QPushButton(tr("بلا شفيع"), patronBox);
    none->setObjectName(QStringLiteral("CommandNo_Patron"));
    connect(none, &QPushButton::clicked, this, &FrmChurch_Year::CommandNo_Patron_Click);
    auto* patronLayout = new QGridLayout(patronBox);
    patronLayout->addWidget(textName_, 0, 0);
    patronLayout->addWidget(find, 0, 1);
    patronLayout->addWidget(listFound_, 1, 0, 1, 2);
    patronLayout->addWidget(labelPatron_, 2, 0);
    patronLayout->addWidget(none, 2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FrmChurch_Year::CommandOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(evening);
    layout->addWidget(patronBox);
    layout->addWidget(buttons);
    resize(To_Pixels(7000), To_Pixels(6000));

    patron_ = Stored_Patron_Days();
    showPatron();
    // The names are read once; a database that cannot be read leaves the list empty and
    // says why, and the evening hour can still be set.
    QString error;
    const auto database = Open_Database(Database_Path, error);
    if (!database || !Read_Commemorations(*database, all_, error))
        Dialogs().Message(this, tr("تعذرت قراءة السنكسار: ") + error, windowTitle(), Msg_Buttons::Ok,
                          Msg_Icon::Exclamation);
}

void FrmChurch_Year::CommandFind_Click() {
    const QSignalBlocker blocker(listFound_);
    listFound_->clear();
    for (const Commemoration& day : Find_Commemorations(all_, textName_->text())) {
        auto* item = new QListWidgetItem(copticDate(day.copticMonth, day.copticDay) + QStringLiteral(" — ") +
                                         day.name);
        item->setData(Qt::UserRole, day.copticMonth);
        item->setData(Qt::UserRole + 1, day.copticDay);
        item->setData(Qt::UserRole + 2, day.name);
        listFound_->addItem(item);
    }
}

void FrmChurch_Year::pickFound() {
    patron_.clear();
    for (int i = 0; i < listFound_->count(); ++i) {
        const QListWidgetItem* item = listFound_->item(i);
        if (item->isSelected())
            patron_ << Coptic_Feast{item->data(Qt::UserRole + 2).toString(), item->data(Qt::UserRole).toInt(),
                                    item->data(Qt::UserRole + 1).toInt()};
    }
    showPatron();
}

void FrmChurch_Year::CommandNo_Patron_Click() {
    listFound_->clearSelection();
    patron_.clear();
    showPatron();
}

void FrmChurch_Year::showPatron() {
    QStringList lines;
    for (const Coptic_Feast& day : std::as_const(patron_))
        lines << copticDate(day.copticMonth, day.copticDay) + QStringLiteral(" — ") + day.name;
    labelPatron_->setText(lines.isEmpty() ? tr("لم يُختر شفيع") : lines.join(QLatin1Char('\n')));
}

void FrmChurch_Year::CommandOK_Click() {
    Store_Evening_Hour(checkEvening_->isChecked() ? spinEvening_->value() : -1);
    Store_Patron_Days(patron_);
    accept();
}

} // namespace Lectarium
