#pragma once

#include "reportengine/reportjob.h"
#include "reports/rvsengineprint.h"
#include "store/recordresult.h"

#include <QString>
#include <QStringList>

class TdtmMain;

// The documents of the print operations as jobs for the report engine. Each builder
// loads what its document prints for the current owner in the document language of
// CurrentSelection and returns a job that draws it with rvsEnginePrint; the job can be
// previewed, printed or written as PDF any number of times.

// A job drawing the given inputs; text-only documents (the antenna report) can also be
// saved as RTF.
ReportJob MakeReportJob(const TReportInputs &inputs, const QString &fileName);

// The name of the low-power page's picture that the low-power letter prints:
// "Tmp.bmp", a scratch file (beside the program or in the user's cache folder).
QString LowPowerPictureFile();

// Kind 1. Reads the picture of the low-power page from "Tmp.bmp" and deletes the file
// right away, whether it could be read or not. A picture that cannot be read makes the
// drawing fail after the first page.
TOpResult<ReportJob> BuildLowPowerLetterJob(TdtmMain &dm, const QString &fileName);

// Kind 2: the report page's text lines.
ReportJob BuildAntennaReportJob(const QStringList &lines, const QString &fileName);

// Kind 3 with "CertFile" (terrain study required) or "TechFile".
TOpResult<ReportJob> BuildCoverLetterJob(TdtmMain &dm, const QString &documentName,
                                         const QStringList &terrainLines, const QStringList &files,
                                         const QString &fileName);

// Kind 4 for a special case 1 to 4; another value is refused with a message.
TOpResult<ReportJob> BuildSpecialCaseJob(TdtmMain &dm, int specialCase, const QString &fileName);

// The template name of a special case: 1 "MobilePortable", 2 "Below10Mhz",
// 3 "Above10GHz", 4 "SWL"; empty for any other value.
QString SpecialCaseDocumentName(int specialCase);

// Writes a job as a PDF file; false with the reason.
TOpStatus WriteJobPdf(const ReportJob &job, const QString &path);

// A document's path in the owner's personal directory; without a directory the bare
// file name, which is then relative to the current folder.
QString UserDocumentPath(const QString &userDirectory, const QString &fileName);
