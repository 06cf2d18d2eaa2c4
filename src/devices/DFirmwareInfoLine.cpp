#include "devices/DFirmwareInfoLine.h"

#include "app/DFixedText.h"
#include "sdk/include/orvanesdk_records.h"
#include "sdk/models/ModelCatalogue.h"

#include <QObject>
#include <QStringList>

DFirmwareInfoLine DFirmwareInfoLine::of(const hidInfoStu& hid, const hidFirmwareInfoStu& firmware)
{
    DFirmwareInfoLine line;
    const QString code = DFixedText::utf8(firmware.model);
    const ModelInfo* model = ModelCatalogue::instance().find(code);
    if (model) {
        line.name = model->productName;
    } else {
        // Not one of the catalogue's: what it says of itself.
        line.name = DFixedText::utf8(firmware.idSection0) + DFixedText::utf8(firmware.idSection1)
                    + DFixedText::utf8(firmware.idSection2) + DFixedText::utf8(firmware.idSection3);
        if (!code.isEmpty())
            line.name += QLatin1Char(',') + code;
    }
    line.connection = hid.is24G == 1 ? QObject::tr("2.4 GHz receiver") : QObject::tr("Cable");
    QStringList parts{line.connection};
    for (const QString& part : {DFixedText::utf8(firmware.version), DFixedText::utf8(firmware.buildDate)}) {
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    }
    line.details = parts.join(QStringLiteral(" · "));
    return line;
}
