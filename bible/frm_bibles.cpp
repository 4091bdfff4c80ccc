#include "bible/frm_bibles.h"

#include "lectionary/sword_import.h"
#include "shell/child_window.h"
#include "shell/interface_translation.h"
#include "shell/single_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

Single_Window<FrmBibles> instance;

QString Caption() {
    return QCoreApplication::translate("Lectarium::FrmBibles", "ترجمات الكتاب المقدس");
}
QString Database_Caption() {
    return QCoreApplication::translate("Lectarium::FrmBibles", "كتاب قاعدة البيانات");
}
const QString No_Text = QStringLiteral("—");

// Picks the item whose data is name; the first when none is.
void pick(QComboBox* combo, const QString& name) {
    combo->setCurrentIndex(std::max(0, combo->findData(name)));
}

} // namespace

FrmBibles* FrmBibles::Instance() {
    return instance.Get();
}

FrmBibles* FrmBibles::Show_Window() {
    if (FrmBibles* open = instance.Bring_Forward())
        return open;
    FrmBibles* form = instance.Keep(new FrmBibles());
    Show_Child(form, "FrmBibles");
    form->Form_Load();
    return form;
}

FrmBibles::FrmBibles() {
    setObjectName(QStringLiteral("FrmBibles"));
    setWindowTitle(Caption());
    setLayoutDirection(Window_Direction());
    setAttribute(Qt::WA_DeleteOnClose);

    listModules_ = new QTableWidget(0, 4, this);
    listModules_->setObjectName(QStringLiteral("ListModules"));
    listModules_->setHorizontalHeaderLabels({tr("الاسم"), tr("اللغة"), tr("الوصف"), tr("نظام الترقيم")});
    listModules_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listModules_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listModules_->verticalHeader()->hide();
    listModules_->horizontalHeader()->setStretchLastSection(true);

    comboMain_ = new QComboBox(this);
    comboMain_->setObjectName(QStringLiteral("ComboMain"));
    for (size_t i = 0; i < comboBeside_.size(); ++i) {
        comboBeside_[i] = new QComboBox(this);
        comboBeside_[i]->setObjectName(QStringLiteral("ComboBeside%1").arg(i + 1));
    }
    progressBuild_ = new QProgressBar(this);
    progressBuild_->setObjectName(QStringLiteral("ProgressBuild"));
    progressBuild_->hide();
    labelStatus_ = new QLabel(this);
    labelStatus_->setObjectName(QStringLiteral("LabelStatus"));
    labelStatus_->setWordWrap(true);
    commandSave_ = new QPushButton(tr("حفظ"), this);
    commandSave_->setObjectName(QStringLiteral("CommandSave"));
    commandCancel_ = new QPushButton(tr("إلغاء"), this);
    commandCancel_->setObjectName(QStringLiteral("CommandCancel"));
    commandCancel_->setEnabled(false);
    commandExit_ = new QPushButton(tr("خروج"), this);
    commandExit_->setObjectName(QStringLiteral("CommandExit"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(listModules_, 0, 0, 1, 4);
    grid->addWidget(new QLabel(tr("النص الأساسي"), this), 1, 0);
    grid->addWidget(comboMain_, 1, 1, 1, 3);
    for (size_t i = 0; i < comboBeside_.size(); ++i) {
        grid->addWidget(new QLabel(tr("بجانبه"), this), 2 + static_cast<int>(i), 0);
        grid->addWidget(comboBeside_[i], 2 + static_cast<int>(i), 1, 1, 3);
    }
    grid->addWidget(progressBuild_, 4, 0, 1, 4);
    grid->addWidget(labelStatus_, 5, 0, 1, 4);
    grid->addWidget(commandSave_, 6, 1);
    grid->addWidget(commandCancel_, 6, 2);
    grid->addWidget(commandExit_, 6, 3);

    connect(commandSave_, &QPushButton::clicked, this, &FrmBibles::CommandSave_Click);
    connect(commandCancel_, &QPushButton::clicked, this, &FrmBibles::CommandCancel_Click);
    connect(commandExit_, &QPushButton::clicked, this, &FrmBibles::CommandExit_Click);
    // The worker reports through queued signals: the window is only touched in its thread.
    connect(this, &FrmBibles::buildProgress, this,
            [this](int entries) { labelStatus_->setText(tr("جارٍ تجهيز الترجمات… %1").arg(entries)); });
    connect(this, &FrmBibles::buildFinished, this, &FrmBibles::finishBuild, Qt::QueuedConnection);
}

FrmBibles::~FrmBibles() {
    stopBuild();
}

void FrmBibles::Form_Load() {
    const QList<Sword_Module> modules = Sword_Bible_Modules();
    listModules_->setRowCount(static_cast<int>(modules.size()));
    comboMain_->addItem(Database_Caption(), QString::fromLatin1(Database_Bible_Name));
    for (QComboBox* beside : comboBeside_) {
        beside->addItem(No_Text, QString());
        beside->addItem(Database_Caption(), QString::fromLatin1(Database_Bible_Name));
    }
    for (int row = 0; row < modules.size(); ++row) {
        const Sword_Module& module = modules[row];
        const QStringList cells{module.name, module.language, module.description, module.versification};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            // Each cell reads in the direction of its own text.
            item->setTextAlignment(Qt::AlignVCenter |
                                   (cells[column].isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft) |
                                   Qt::AlignAbsolute);
            listModules_->setItem(row, column, item);
        }
        const QString shown = module.name + QStringLiteral(" — ") + module.description;
        comboMain_->addItem(shown, module.name);
        for (QComboBox* beside : comboBeside_)
            beside->addItem(shown, module.name);
    }
    listModules_->resizeColumnsToContents();
    const Bible_Choice choice = Stored_Bible_Choice();
    pick(comboMain_, choice.main);
    for (size_t i = 0; i < comboBeside_.size(); ++i)
        pick(comboBeside_[i], choice.beside.value(static_cast<qsizetype>(i)));
    labelStatus_->setText(modules.isEmpty() ? tr("لا توجد ترجمات مثبتة") : QString());
}

Bible_Choice FrmBibles::Shown_Choice() const {
    Bible_Choice choice;
    choice.main = comboMain_->currentData().toString();
    for (const QComboBox* beside : comboBeside_) {
        const QString name = beside->currentData().toString();
        // A text shown twice is shown once.
        if (!name.isEmpty() && name != choice.main && !choice.beside.contains(name))
            choice.beside << name;
    }
    return choice;
}

void FrmBibles::CommandSave_Click() {
    if (worker_)
        return;
    const Bible_Choice choice = Shown_Choice();
    Store_Bible_Choice(choice);
    QStringList modules = QStringList{choice.main} + choice.beside;
    modules.removeAll(QString::fromLatin1(Database_Bible_Name));
    if (modules.isEmpty()) {
        labelStatus_->setText(tr("تم الحفظ"));
        return;
    }
    cancel_ = false;
    progressBuild_->setRange(0, 0); // a module does not tell its number of entries beforehand
    progressBuild_->show();
    commandSave_->setEnabled(false);
    commandCancel_->setEnabled(true);
    labelStatus_->setText(tr("جارٍ تجهيز الترجمات…"));
    worker_ = QThread::create([this, modules] {
        QStringList problems;
        for (const QString& name : modules) {
            Translation translation;
            QString error;
            const bool opened = Open_Translation(name, translation, error, [this](int entries) {
                emit buildProgress(entries);
                return !cancel_.load();
            });
            if (cancel_.load())
                break;
            if (!opened)
                problems << error;
        }
        emit buildFinished(problems, cancel_.load());
    });
    worker_->start();
}

void FrmBibles::finishBuild(const QStringList& problems, bool cancelled) {
    stopBuild();
    progressBuild_->hide();
    commandSave_->setEnabled(true);
    commandCancel_->setEnabled(false);
    labelStatus_->setText(cancelled            ? tr("ألغي التجهيز")
                          : problems.isEmpty() ? tr("تم الحفظ")
                                               : problems.join(QLatin1Char('\n')));
}

void FrmBibles::CommandCancel_Click() {
    cancel_ = true;
}

void FrmBibles::stopBuild() {
    if (!worker_)
        return;
    cancel_ = true;
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
}

void FrmBibles::CommandExit_Click() {
    close();
}

void FrmBibles::closeEvent(QCloseEvent* event) {
    stopBuild();
    instance.Forget(this);
    event->accept();
}

} // namespace Lectarium
