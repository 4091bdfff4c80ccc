#include "app/frm_year_calendar.h"

#include "app/printing.h"
#include "calendar/date_labels.h"
#include "calendar/fasts.h"
#include "calendar/feast_dates.h"
#include "calendar/reader_days.h"
#include "calendar/selected_day.h"
#include "calendar/year_calendar_pdf.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "shell/interface_translation.h"
#include "shell/placement.h"
#include "shell/reading_box.h"
#include "shell/single_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

Single_Window<FrmYear_Calendar> instance;

} // namespace

FrmYear_Calendar* FrmYear_Calendar::Instance() {
    return instance.Get();
}

FrmYear_Calendar* FrmYear_Calendar::Show_Window() {
    if (FrmYear_Calendar* open = instance.Bring_Forward())
        return open;
    auto* form = instance.Keep(new FrmYear_Calendar());
    form->spinYear_->setValue((Selected_Date.isValid() ? Selected_Date : Reader_Today()).year());
    form->SpinYear_Change(form->spinYear_->value());
    Show_Child(form, "FrmYear_Calendar");
    return form;
}

FrmYear_Calendar::FrmYear_Calendar() {
    setObjectName(QStringLiteral("FrmYear_Calendar"));
    setWindowTitle(tr("تقويم السنة"));
    setLayoutDirection(Window_Direction());
    setAttribute(Qt::WA_DeleteOnClose);

    spinYear_ = new QSpinBox(this);
    spinYear_->setObjectName(QStringLiteral("SpinYear"));
    spinYear_->setRange(500, 5000); // the years the calendar is kept for
    connect(spinYear_, &QSpinBox::valueChanged, this, &FrmYear_Calendar::SpinYear_Change);
    auto* print = new QPushButton(tr("طباعة"), this);
    print->setObjectName(QStringLiteral("CommandPrint"));
    connect(print, &QPushButton::clicked, this, [] { Print_Click(); });
    auto* pdf = new QPushButton(tr("Export PDF"), this);
    pdf->setObjectName(QStringLiteral("CommandPdf"));
    connect(pdf, &QPushButton::clicked, this, [] { Export_Pdf_Click(); });
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(tr("السنة"), this));
    bar->addWidget(spinYear_);
    bar->addStretch();
    bar->addWidget(print);
    bar->addWidget(pdf);

    textYear_ = new Reading_Box(this);
    textYear_->setObjectName(QStringLiteral("TextYear"));
    Apply_Text_Appearance(textYear_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(textYear_);
    resize(To_Pixels(7000), To_Pixels(7000));
}

void FrmYear_Calendar::SpinYear_Change(int year) {
    // What the calendar's pages hold: the feasts with both dates, then each fast from
    // its first to its last day.
    QStringList lines;
    for (const Year_Feast& feast : Year_Feasts(year, Stored_Patron_Days(), Current_Interface_Language()))
        lines << Year_Feast_Label(feast, Current_Interface_Language());
    lines << QString();
    const auto date = [](const QDate& day) {
        const Day_Labels labels = Date_Labels(day);
        return labels.normalDay + QLatin1Char(' ') + labels.normalMonth + QLatin1Char(' ') +
               labels.normalYear;
    };
    for (const Fast_Period& fast : Fast_Periods(QDate(year, 1, 1), QDate(year, 12, 31)))
        lines << QStringLiteral("%1: %2 — %3").arg(Fast_Name(fast.kind), date(fast.first), date(fast.last));
    textYear_->Set_Text(lines.join(QLatin1Char('\n')));
}

QString FrmYear_Calendar::Print_Title() const {
    return windowTitle() + QLatin1Char(' ') + QString::number(spinYear_->value());
}

QPageLayout FrmYear_Calendar::Print_Layout() const {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

void FrmYear_Calendar::Paint_Pages(QPagedPaintDevice& device) const {
    Draw_Year_Calendar(device, spinYear_->value(), Stored_Patron_Days(), Current_Interface_Language());
}

void FrmYear_Calendar::closeEvent(QCloseEvent* event) {
    instance.Forget(this);
    event->accept();
}

} // namespace Lectarium
