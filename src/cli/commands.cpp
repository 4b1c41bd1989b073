#include "cli/commands.h"

#include "cli/clidispatcher.h"
#include "cli/convertcommand.h"
#include "cli/evaluatecommand.h"
#include "cli/exportcommand.h"
#include "cli/exposurecommand.h"
#include "cli/fieldstrengthcommand.h"
#include "cli/packagecommand.h"
#include "cli/reportcommand.h"
#include "cli/safetydistancecommand.h"

#include <memory>

void RegisterCommands(CliDispatcher &dispatcher)
{
    dispatcher.add(std::make_unique<FieldStrengthCommand>());
    dispatcher.add(std::make_unique<EvaluateCommand>());
    dispatcher.add(std::make_unique<ExportCommand>());
    dispatcher.add(std::make_unique<ConvertCommand>());
    dispatcher.add(std::make_unique<ReportCommand>());
    dispatcher.add(std::make_unique<PackageCommand>());
    dispatcher.add(std::make_unique<SafetyDistanceCommand>());
    dispatcher.add(std::make_unique<ExposureCommand>());
}
