#include "shell/book_menu.h"

#include "readings/frm_whole_day.h"
#include "readings/whole_day.h"

#include <QAction>
#include <QMenu>

namespace Lectarium {

void Add_Book_Items(QMenu* file) {
    file->addSeparator()->setObjectName(QStringLiteral("l_book"));
    QAction* wholeDay = file->addAction(MdlLectarium::Whole_Day_Caption);
    wholeDay->setObjectName(QStringLiteral("Whole_Day"));
    QObject::connect(wholeDay, &QAction::triggered, file, [] { Show_Whole_Day(); });
}

} // namespace Lectarium
