#pragma once

// The Bible search window: the term, the scope (testaments or chosen books), and the
// scan that gathers the hits into pages for the results window.

#include "bible/search.h"
#include "calendar/selected_day.h"
#include "lectionary/sword_bible.h"

#include <QList>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace Lectarium {

class Main_Commands_Lock;

class FrmBible_Select final : public QWidget {
    Q_OBJECT

public:
    // The open search window, or nullptr.
    static FrmBible_Select* Instance();
    // Opens the window, or brings the open one forward.
    static FrmBible_Select* Show_Window();

    // How the scan hands control to the event loop: 0 after every hit; otherwise after
    // the first hit and then once this many milliseconds have passed since the last
    // time (10 ms unless set: a search of thousands of hits then spends next to
    // nothing in the event loop). Cancel and closing the window are noticed at the next
    // hand-over.
    static void Set_Yield_Interval(int milliseconds);
    static int Yield_Interval();

    // Figures of the last scan (for measurement).
    struct Scan_Figures {
        int hits = 0;
        int yields = 0;
        qint64 scanNs = 0;       // the whole scan, yields included
        qint64 yieldNs = 0;      // inside the event loop
        qint64 longestGapNs = 0; // the longest stretch of the scan without handing over
    };
    static Scan_Figures Last_Scan();

    ~FrmBible_Select() override;

    void Option0_Click();
    void Option1_Click(int index);
    void Check2_Click();
    void List1_Click();
    void List1_DblClick();
    void List2_DblClick();
    void List3_DblClick();
    void CommandSelect_Click() { List3_DblClick(); }
    void CommandSelectGroup_Click() { List1_DblClick(); }
    void CommandDeSelect_Click() { List2_DblClick(); }
    void CommandClear_Click();
    void CommandSearch_Click();
    void CommandCancel_Click();
    void CommandExit_Click();

    // The chosen books, in the order chosen.
    const QList<MdlLectarium::Integer>& Chosen_Books() const { return chosenBooks_; }
    bool Search_Running() const { return searchRunning_; }

    QWidget* PictureCancel() const { return pictureCancel_; }
    QPushButton* CommandCancel() const { return commandCancel_; }
    QProgressBar* ProgressBar1() const { return progressBar1_; }
    QLineEdit* TextSearch() const { return textSearch_; }
    // "تجاهل التشكيل": search regardless of the vowel marks. It follows the term (on
    // when the term holds Arabic letters) until the user sets it.
    QCheckBox* CheckFold() const { return checkFold_; }
    // The text searched: the database's Bible (data "db") or an installed translation.
    QComboBox* ComboBible() const { return comboBible_; }
    QRadioButton* Option0(int index) const { return option0_[index]; }
    QCheckBox* Check1(int index) const { return check1_[index]; }
    QWidget* Picture1() const { return picture1_; }
    QWidget* Picture2() const { return picture2_; }
    QCheckBox* Check2() const { return check2_; }
    QRadioButton* Option1(int index) const { return option1_[index]; }
    QListWidget* List1() const { return list1_; }
    QListWidget* List2() const { return list2_; }
    QListWidget* List3() const { return list3_; }
    QPushButton* CommandSelect() const { return commandSelect_; }
    QPushButton* CommandSelectGroup() const { return commandSelectGroup_; }
    QPushButton* CommandDeSelect() const { return commandDeSelect_; }
    QPushButton* CommandClear() const { return commandClear_; }
    QPushButton* CommandSearch() const { return commandSearch_; }
    QPushButton* CommandExit() const { return commandExit_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrmBible_Select();
    void Form_Load();
    void buildScopeControls();
    void buildBookControls();
    void buildCancelPanel();
    // The group whose books List3 lists with sections on (1..11), or 0.
    int listedGroup() const;
    // The book selected in List3 for picking, or 0.
    MdlLectarium::Integer pickedBook() const;
    void refillChosenList();
    // The term and scope to search; false (after its message) when there is nothing to run.
    bool readScope(MdlLectarium::Search_Scope& scope);
    void runScan(const QString& term, const MdlLectarium::Found_Verses& found);
    // The search in a translation from its cache, whole at once.
    void searchTranslation(const QString& name, const MdlLectarium::Search_Scope& scope);
    // Keeps the results of a finished search, says how many, and shows them; false when
    // the window was closed meanwhile.
    bool showOutcome(const QString& term, const MdlLectarium::Scan_Outcome& outcome,
                     Main_Commands_Lock& lock);
    void closeWindow();
    bool keyPressed(QObject* watched, int key);

    QWidget* pictureCancel_ = nullptr;
    QPushButton* commandCancel_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label1_ = nullptr;
    QLineEdit* textSearch_ = nullptr;
    QCheckBox* checkFold_ = nullptr;
    bool foldSetByUser_ = false;
    QComboBox* comboBible_ = nullptr;
    QLabel* label2_ = nullptr;
    std::array<QRadioButton*, 2> option0_{};
    QWidget* picture1_ = nullptr;
    std::array<QCheckBox*, 2> check1_{};
    QWidget* picture2_ = nullptr;
    QCheckBox* check2_ = nullptr;
    std::array<QRadioButton*, 2> option1_{};
    QListWidget* list1_ = nullptr;
    QListWidget* list3_ = nullptr;
    QListWidget* list2_ = nullptr;
    QPushButton* commandSelect_ = nullptr;
    QPushButton* commandSelectGroup_ = nullptr;
    QPushButton* commandDeSelect_ = nullptr;
    QPushButton* commandClear_ = nullptr;
    QPushButton* commandSearch_ = nullptr;
    QPushButton* commandExit_ = nullptr;
    QLabel* image1_ = nullptr;

    QList<MdlLectarium::Integer> chosenBooks_; // Chosen_Books 1..Chosen_Count
    bool cancelSearch_ = false;                // Cancel_Search
    bool searchRunning_ = false;               // Search_Running
    bool closePending_ = false;                // Close_Pending
    // The translation last searched, kept while its module stays as it was: opening it
    // from its cache costs ten times the search.
    MdlLectarium::Translation searched_;
    QString searchedStamp_;
};

} // namespace Lectarium
