#include "readings/rites.h"

#include "lectionary/data_source.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/statements.h"

namespace MdlLectarium {

Rite_Text Read_Rite(Data_Source& dataCeremony, Integer riteNo) {
    Rite_Text rite;
    dataCeremony.setRecordSource(Ceremony_Table);
    dataCeremony.refresh();
    dataCeremony.moveFirst();
    bool titleTaken = false;
    const QString no = QStringLiteral("No");
    while (!dataCeremony.eof()) {
        if (!dataCeremony.isNull(no) && dataCeremony.number(no) == riteNo) {
            if (!titleTaken) {
                rite.title = Flip_Text(dataCeremony.text(QStringLiteral("Title")));
                titleTaken = true;
            }
            rite.text += Flip_Text(dataCeremony.text(QStringLiteral("Ceremony_Data"))) + Line_Break;
        }
        dataCeremony.moveNext();
    }
    dataCeremony.close();
    return rite;
}

} // namespace MdlLectarium
