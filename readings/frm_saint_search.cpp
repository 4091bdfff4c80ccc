#include "readings/frm_saint_search.h"

#include "base/settings.h"
#include "calendar/date_labels.h"
#include "calendar/frm_select_day.h"
#include "calendar/selected_day.h"
#include "lectionary/data_source.h"
#include "shell/child_window.h"
#include "shell/dialogs.h"
#include "shell/interface_translation.h"
#include "shell/paragraph_layout.h"
#include "shell/single_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

using namespace MdlLectarium;

namespace Lectarium {

namespace {

Single_Window<FrmSaint_Search> instance;

QString Caption() {
    return QCoreApplication::translate("Lectarium::FrmSaint_Search", "بحث في السنكسار");
}

} // namespace

FrmSaint_Search::FrmSaint_Search() {
    setObjectName(QStringLiteral("FrmSaint_Search"));
    setWindowTitle(Caption());
    setLayoutDirection(Window_Direction());
    setFont(QFont(QStringLiteral("Arabic Transparent"), 12));
    setAttribute(Qt::WA_DeleteOnClose);

    textName_ = new QLineEdit(this);
    textName_->setObjectName(QStringLiteral("TextName"));
    textName_->setPlaceholderText(tr("جزء من الاسم"));
    spinYear_ = new QSpinBox(this);
    spinYear_->setObjectName(QStringLiteral("SpinYear"));
    spinYear_->setRange(500, 5000);
    spinYear_->setValue(Selected_Date.isValid() ? Selected_Date.year() : QDate::currentDate().year());
    auto* find = new QPushButton(tr("بحث"), this);
    find->setObjectName(QStringLiteral("CommandFind"));
    find->setDefault(true);
    listFound_ = new QTreeWidget(this);
    listFound_->setObjectName(QStringLiteral("ListFound"));
    listFound_->setRootIsDecorated(false);
    listFound_->setHeaderLabels({tr("التاريخ القبطي"), tr("التاريخ الميلادي"), tr("الاسم")});
    listFound_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    listFound_->header()->setStretchLastSection(true);
    // A name in English reads left to right in its own row.
    Align_Items(listFound_);
    labelCount_ = new QLabel(this);
    labelCount_->setObjectName(QStringLiteral("LabelCount"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("الاسم:"), this), 0, 0);
    grid->addWidget(textName_, 0, 1);
    grid->addWidget(new QLabel(tr("السنة الميلادية:"), this), 0, 2);
    grid->addWidget(spinYear_, 0, 3);
    grid->addWidget(find, 0, 4);
    grid->addWidget(listFound_, 1, 0, 1, 5);
    grid->addWidget(labelCount_, 2, 0, 1, 5);
    grid->setColumnStretch(1, 1);
    resize(720, 480);

    connect(find, &QPushButton::clicked, this, &FrmSaint_Search::CommandFind_Click);
    connect(textName_, &QLineEdit::returnPressed, this, &FrmSaint_Search::CommandFind_Click);
    connect(listFound_, &QTreeWidget::itemActivated, this, &FrmSaint_Search::ListFound_Activated);
}

FrmSaint_Search* FrmSaint_Search::Instance() {
    return instance.Get();
}

FrmSaint_Search* FrmSaint_Search::Show_Window() {
    if (FrmSaint_Search* open = instance.Bring_Forward())
        return open;
    auto* form = instance.Keep(new FrmSaint_Search());
    form->Form_Load();
    return form;
}

void FrmSaint_Search::Form_Load() {
    // The names are read once; a database that cannot be read leaves the list empty
    // and says why.
    QString error;
    const auto database = Open_Database(Database_Path, error);
    if (!database || !Read_Commemorations(*database, all_, error))
        Dialogs().Message(this, tr("تعذرت قراءة السنكسار: ") + error, Caption(), Msg_Buttons::Ok,
                          Msg_Icon::Exclamation);
    Show_Child(this, "FrmSaint_Search");
    textName_->setFocus();
}

void FrmSaint_Search::closeEvent(QCloseEvent* event) {
    instance.Forget(this);
    event->accept();
}

void FrmSaint_Search::CommandFind_Click() {
    listFound_->clear();
    const int year = spinYear_->value();
    const QList<Commemoration> found = Find_Commemorations(all_, textName_->text());
    for (const Commemoration& day : found) {
        const QDate date = Commemoration_Date(day, year);
        const QString coptic = QString::number(day.copticDay) + QLatin1Char(' ') +
                               (day.copticMonth >= 1 && day.copticMonth <= 13
                                    ? Coptic_Month_Names[static_cast<size_t>(day.copticMonth)]
                                    : QString::number(day.copticMonth));
        QString gregorian = QStringLiteral("-");
        if (date.isValid()) {
            const Day_Labels labels = Date_Labels(date);
            gregorian = labels.normalDay + QLatin1Char(' ') + labels.normalMonth + QLatin1Char(' ') +
                        labels.normalYear;
        }
        auto* item = new QTreeWidgetItem(listFound_, {coptic, gregorian, day.name});
        item->setData(0, Qt::UserRole, date);
    }
    labelCount_->setText(tr("عدد النتائج: %1").arg(found.size()));
}

void FrmSaint_Search::ListFound_Activated(QTreeWidgetItem* item) {
    const QDate date = item ? item->data(0, Qt::UserRole).toDate() : QDate();
    if (date.isValid())
        FrmSelect_Day::Show_Day(date);
}

} // namespace Lectarium
