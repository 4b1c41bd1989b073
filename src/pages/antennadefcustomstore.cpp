#include "pages/antennadefcustomstore.h"

#include "store/datamodule.h"
#include "store/recordops_antenna.h"
#include "store/recordstatement.h"

TOpResult<TCustomAntennaDeletion> DeleteCustomAntenna(TdtmMain &dm, qint32 antennaId)
{
    using Result = TOpResult<TCustomAntennaDeletion>;
    const TOpResult<QString> usedBy = PlacementsUsingAntenna(dm, antennaId);
    if (!usedBy.ok())
        return Result::failure(usedBy.error);
    TCustomAntennaDeletion outcome;
    if (!usedBy.value.isEmpty()) {
        outcome.usedBy = usedBy.value;
        return Result::success(outcome);
    }
    const TOpStatus status =
        ExecStatement(dm.qryTemp1, {QStringLiteral("DELETE FROM tblListAnt"),
                                    QStringLiteral("WHERE IdListAnt =%1 AND IdAntFamily =%2")
                                        .arg(antennaId)
                                        .arg(CustomAntennaFamily)});
    if (!status.ok())
        return Result::failure(status);
    outcome.deleted = true;
    return Result::success(outcome);
}
