#include "readings/frm_where_read.h"
#include "base/program_files.h"

#include "calendar/frm_select_day.h"
#include "calendar/selected_day.h"
#include "lectionary/passage.h"
#include "readings/where_read.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "shell/dialogs.h"
#include "shell/interface_translation.h"
#include "shell/paragraph_layout.h"
#include "shell/single_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QSpinBox>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace Lectarium {

using namespace MdlLectarium;

QString Where_Read_Caption() {
    return QCoreApplication::translate("Lectarium::FrmWhere_Read", "أين تقرأ هذه القراءة");
}

namespace {

Single_Window<FrmWhere_Read> instance;

enum Column { occasionColumn, officeColumn, readingColumn, referenceColumn, dayColumn, columnCount };

} // namespace

FrmWhere_Read* FrmWhere_Read::Instance() {
    return instance.Get();
}

FrmWhere_Read* FrmWhere_Read::Show_Window(const QString& reference, int year) {
    FrmWhere_Read* form = instance.Get();
    const bool fresh = !form;
    if (fresh)
        form = new FrmWhere_Read();
    const QString previous = form->reference_;
    form->reference_ = reference;
    QString error;
    if (!form->fill(year, error)) {
        form->reference_ = previous;
        if (fresh)
            delete form;
        Dialogs().Message(Main_Widget(), error, Where_Read_Caption(), Msg_Buttons::Ok, Msg_Icon::Exclamation);
        return nullptr;
    }
    if (fresh) {
        instance.Keep(form);
        form->fitContents();
        Show_Child(form, "FrmWhere_Read");
    }
    Bring_Forward(form);
    form->list_->setFocus();
    return form;
}

FrmWhere_Read::FrmWhere_Read() {
    setObjectName(QStringLiteral("FrmWhere_Read"));
    setWindowTitle(Where_Read_Caption());
    setLayoutDirection(Window_Direction());
    setFont(QFont(QStringLiteral("Arabic Transparent"), 12));

    referenceLabel_ = new QLabel(this);
    referenceLabel_->setObjectName(QStringLiteral("Label_Reference"));
    QFont headingFont(QStringLiteral("Arabic Transparent"), 12);
    headingFont.setBold(true);
    referenceLabel_->setFont(headingFont);

    year_ = new QSpinBox(this);
    year_->setObjectName(QStringLiteral("Spin_Year"));
    year_->setRange(500, 5000);
    year_->setPrefix(tr("سنة "));
    // The year is read again once typed whole (Enter, the arrows, leaving the field).
    year_->setKeyboardTracking(false);
    connect(year_, &QSpinBox::valueChanged, this, &FrmWhere_Read::Spin_Year_Change);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("List_Where"));
    list_->setColumnCount(columnCount);
    list_->setHeaderLabels({tr("المناسبة"), tr("الصلاة"), tr("القراءة"), tr("الشاهد"), tr("اليوم")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->header()->setStretchLastSection(true);
    Align_Items(list_);
    connect(list_, &QTreeWidget::itemActivated, this, &FrmWhere_Read::List_Where_Activated);

    auto* band = new QHBoxLayout();
    band->addWidget(referenceLabel_, 1);
    band->addWidget(year_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(band);
    layout->addWidget(list_, 1);
}

FrmWhere_Read::~FrmWhere_Read() = default;

bool FrmWhere_Read::fill(int year, QString& error) {
    std::vector<Where_Read_Row> rows;
    const Interface_Language language = Current_Interface_Language();
    if (!Where_Read_Rows(Database_Path, reference_, year, rows, error, language))
        return false;
    referenceLabel_->setText(Shown_Reference(Reference_In(reference_, language)));
    {
        const QSignalBlocker quiet(year_);
        year_->setValue(year);
    }
    list_->clear();
    const QColor reasonColour = list_->palette().color(QPalette::Disabled, QPalette::Text);
    for (const Where_Read_Row& row : rows) {
        auto add = [&](const QString& day, const QDate& date) {
            auto* item = new QTreeWidgetItem(list_);
            item->setText(occasionColumn, row.occasion);
            item->setText(officeColumn, row.office);
            item->setText(readingColumn, row.reading);
            item->setText(referenceColumn, Shown_Reference(Reference_In(row.reference, language)));
            item->setText(dayColumn, day);
            item->setToolTip(occasionColumn, row.keys);
            if (date.isValid())
                item->setData(0, Qt::UserRole, date);
            else
                item->setForeground(dayColumn, reasonColour);
        };
        if (row.dates.isEmpty())
            add(row.none, QDate());
        for (const QDate& date : row.dates)
            add(Both_Calendars(date, language), date);
    }
    if (rows.empty())
        new QTreeWidgetItem(list_, {tr("لا توجد قراءة لهذه الآيات")});
    for (int column = 0; column < dayColumn; ++column)
        list_->resizeColumnToContents(column);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    return true;
}

void FrmWhere_Read::fitContents() {
    // Every column and up to a dozen rows in view, as far as the frame's area allows.
    int width = 4 * style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list_->resizeColumnToContents(dayColumn);
    for (int column = 0; column < columnCount; ++column)
        width += column == dayColumn ? std::min(list_->columnWidth(column), 700) : list_->columnWidth(column);
    const int rows = std::clamp(list_->topLevelItemCount(), 4, 12);
    const int height = list_->header()->sizeHint().height() + rows * std::max(list_->sizeHintForRow(0), 16) +
                       referenceLabel_->sizeHint().height() + 40;
    fitted_ = QSize(width, height);
    if (const QMdiArea* area = Frame_Area())
        fitted_ = fitted_.boundedTo(area->viewport()->size() - QSize(20, 20));
    resize(fitted_);
}

QSize FrmWhere_Read::sizeHint() const {
    // The frame gives a new sub-window the size its form hints.
    return fitted_.isValid() ? fitted_ : QWidget::sizeHint();
}

void FrmWhere_Read::Spin_Year_Change(int year) {
    QString error;
    if (!fill(year, error))
        Dialogs().Message(Main_Widget(), error, Where_Read_Caption(), Msg_Buttons::Ok, Msg_Icon::Exclamation);
}

void FrmWhere_Read::List_Where_Activated(QTreeWidgetItem* item) {
    const QDate date = item ? item->data(0, Qt::UserRole).toDate() : QDate();
    if (!date.isValid())
        return;
    FrmSelect_Day* chooser = FrmSelect_Day::Show_Window();
    Selected_Date = date;
    chooser->CommandShow_Click();
}

void FrmWhere_Read::closeEvent(QCloseEvent* event) {
    instance.Forget(this);
    event->accept();
}

} // namespace Lectarium
