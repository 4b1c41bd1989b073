#include "reports/ui/incompletewarning.h"

#include "base/currentselection.h"
#include "base/messages.h"
#include "exposure/safetydistances.h"

#include <QCoreApplication>

bool ConfirmIncompleteEvaluation(TdtmMain &dm, const QString &caption)
{
    const TOpResult<QStringList> missing =
        PlacementsWithoutPowerChain(dm, CurrentSelection().ownerId);
    if (!missing.ok()) {
        ShowErrorMessage(caption, missing.error);
        return false;
    }
    if (missing.value.isEmpty())
        return true;
    const QString text =
        QCoreApplication::translate("IncompleteEvaluation",
                                    "The evaluation is incomplete: no power chain for %1.\n"
                                    "The documents will show no field strength for it. Make "
                                    "the document anyway ?")
            .arg(missing.value.join(QStringLiteral(", ")));
    return AskYesNo(caption, text) == AnswerYes;
}
