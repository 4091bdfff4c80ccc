#include "shell/book_menu.h"

#include "readings/frm_whole_day.h"
#include "readings/whole_day.h"
#include "shell/printing.h"

#include <QAction>
#include <QMenu>

namespace Lectarium {

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
                          {"Export_Pdf", QStringLiteral("Export PDF"), &Export_Pdf_Click}};
    for (const Item& item : items) {
        QAction* action = file->addAction(item.caption);
        action->setObjectName(QLatin1String(item.name));
        QObject::connect(action, &QAction::triggered, file, item.handler);
    }
}

} // namespace Lectarium
