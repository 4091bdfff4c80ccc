#pragma once

// "ترجمات الكتاب المقدس": the installed SWORD Bibles, and the reader's choice of the main
// text and of up to two shown beside it. Saving the choice builds the cache of each
// module chosen in a worker thread, with a progress bar and Cancel; the window keeps
// answering meanwhile.

#include "lectionary/sword_bible.h"

#include <QThread>
#include <QWidget>

#include <array>
#include <atomic>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace Lectarium {

class FrmBibles final : public QWidget {
    Q_OBJECT

public:
    static FrmBibles* Instance();
    static FrmBibles* Show_Window();
    ~FrmBibles() override;

    void CommandSave_Click();
    void CommandCancel_Click();
    void CommandExit_Click();

    // The choice the controls show.
    MdlLectarium::Bible_Choice Shown_Choice() const;
    bool Build_Running() const { return worker_ != nullptr; }

    QTableWidget* ListModules() const { return listModules_; }
    QComboBox* ComboMain() const { return comboMain_; }
    QComboBox* ComboBeside(int index) const { return comboBeside_[static_cast<size_t>(index)]; }
    QProgressBar* ProgressBuild() const { return progressBuild_; }
    QLabel* LabelStatus() const { return labelStatus_; }
    QPushButton* CommandSave() const { return commandSave_; }
    QPushButton* CommandCancel() const { return commandCancel_; }

signals:
    void buildProgress(int entries);
    void buildFinished(const QStringList& problems, bool cancelled);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FrmBibles();
    void Form_Load();
    void finishBuild(const QStringList& problems, bool cancelled);
    void stopBuild();

    QTableWidget* listModules_ = nullptr;
    QComboBox* comboMain_ = nullptr;
    std::array<QComboBox*, MdlLectarium::Max_Beside> comboBeside_{};
    QProgressBar* progressBuild_ = nullptr;
    QLabel* labelStatus_ = nullptr;
    QPushButton* commandSave_ = nullptr;
    QPushButton* commandCancel_ = nullptr;
    QPushButton* commandExit_ = nullptr;

    QThread* worker_ = nullptr;
    std::atomic<bool> cancel_{false};
};

} // namespace Lectarium
