#include "app/book_menu.h"

#include "app/mdi_lectarium.h"
#include "app/printing.h"
#include "calendar/selected_day.h"
#include "readings/frm_where_read.h"
#include "readings/frm_whole_day.h"
#include "readings/whole_day.h"
#include "shell/child_window.h"
#include "shell/dialogs.h"
#include "shell/printable.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace Lectarium {

using namespace MdlLectarium;

void Where_Read_Click() {
    QWidget* parent = Main_Window();
    const auto* source = dynamic_cast<const Where_Read_Source*>(Active_Form());
    const QString reference = source ? source->Where_Reference() : QString();
    if (reference.isEmpty()) {
        Dialogs().Message(parent,
                          QCoreApplication::translate("Lectarium::Book_Menu", "اختر قراءة أو أصحاحا أولا"),
                          Where_Read_Caption(), Msg_Buttons::Ok, Msg_Icon::Exclamation);
        return;
    }
    FrmWhere_Read::Show_Window(reference, (Selected_Date.isValid() ? Selected_Date : Today()).year());
}

void Add_Book_Items(QMenu* file) {
    file->addSeparator()->setObjectName(QStringLiteral("l_book"));
    QAction* wholeDay = file->addAction(Whole_Day_Title());
    wholeDay->setObjectName(QStringLiteral("Whole_Day"));
    QObject::connect(wholeDay, &QAction::triggered, file, [] { Show_Whole_Day(); });
    struct Item {
        const char* name;
        QString caption;
        void (*handler)();
    };
    const Item items[] = {
        {"Print", QCoreApplication::translate("Lectarium::Book_Menu", "&Print"), &Print_Click},
        {"Print_Preview", QCoreApplication::translate("Lectarium::Book_Menu", "Print Pre&view"),
         &Print_Preview_Click},
        {"Export_Pdf", QCoreApplication::translate("Lectarium::Book_Menu", "Export PDF"), &Export_Pdf_Click},
        {"Where_Read", Where_Read_Caption(), &Where_Read_Click}};
    for (const Item& item : items) {
        QAction* action = file->addAction(item.caption);
        action->setObjectName(QLatin1String(item.name));
        QObject::connect(action, &QAction::triggered, file, item.handler);
    }
}

} // namespace Lectarium
