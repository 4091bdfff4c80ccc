#include "app/book_menu.h"

#include "app/printing.h"
#include "readings/frm_whole_day.h"
#include "readings/whole_day.h"

#include "app/mdi_lectarium.h"
#include "bible/frm_bible_view.h"
#include "bible/frm_display_bible.h"
#include "calendar/selected_day.h"
#include "lectionary/bible_books.h"
#include "readings/frm_where_read.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "shell/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

QWidget* activeForm() {
    const MDILectarium* main = Main_Window();
    if (main && main->Mdi_Area()) {
        const QMdiSubWindow* active = main->Mdi_Area()->activeSubWindow();
        return active ? active->widget() : nullptr;
    }
    return QApplication::activeWindow();
}

} // namespace

QString Where_Reference(const QWidget* form) {
    if (const auto* passage = qobject_cast<const FrmDisplay_Bible*>(form))
        return Reference_Text_Of(passage->Text_Sign()).trimmed();
    if (const auto* chapter = qobject_cast<const FrmBible_View*>(form)) {
        const Integer book = chapter->Current_Book();
        if (book >= 1 && book <= Book_Count)
            return Bible_Books[static_cast<size_t>(book)].Abbreviation + QLatin1Char(' ') +
                   QString::number(chapter->Current_Chapter());
    }
    return QString();
}

void Where_Read_Click() {
    QWidget* parent = Main_Window();
    const QString reference = Where_Reference(activeForm());
    if (reference.isEmpty()) {
        Dialogs().Message(parent, QStringLiteral("اختر قراءة أو أصحاحا أولا"), Where_Read_Caption,
                          Msg_Buttons::Ok, Msg_Icon::Exclamation);
        return;
    }
    FrmWhere_Read::Show_Window(reference, (Selected_Date.isValid() ? Selected_Date : Today()).year());
}

void Add_Book_Items(QMenu* file) {
    file->addSeparator()->setObjectName(QStringLiteral("l_book"));
    QAction* wholeDay = file->addAction(MdlLectarium::Whole_Day_Caption);
    wholeDay->setObjectName(QStringLiteral("Whole_Day"));
    QObject::connect(wholeDay, &QAction::triggered, file, [] { Show_Whole_Day(); });
    struct Item {
        const char* name;
        QString caption;
        void (*handler)();
    };
    const Item items[] = {{"Print", QStringLiteral("&Print"), &Print_Click},
                          {"Print_Preview", QStringLiteral("Print Pre&view"), &Print_Preview_Click},
                          {"Export_Pdf", QStringLiteral("Export PDF"), &Export_Pdf_Click},
                          {"Where_Read", Where_Read_Caption, &Where_Read_Click}};
    for (const Item& item : items) {
        QAction* action = file->addAction(item.caption);
        action->setObjectName(QLatin1String(item.name));
        QObject::connect(action, &QAction::triggered, file, item.handler);
    }
}

} // namespace Lectarium
