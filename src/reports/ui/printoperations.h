#pragma once

#include "store/recordresult.h"

#include <QString>
#include <QStringList>

class QWidget;
class TdtmMain;

// The print operations: each loads what its document needs, then either shows the
// engine's print preview (from which the user prints or saves; the file name is
// proposed there) or writes the PDF file without asking. Failures of the store or of
// the engine come back as text for the caller to show.

TOpStatus PrintLowPowerLetter(TdtmMain &dm, const QString &fileName, bool preview,
                              QWidget *parent = nullptr);
TOpStatus PrintAntennaReport(const QStringList &lines, const QString &fileName, bool preview,
                             QWidget *parent = nullptr);
TOpStatus PrintCertificationLetter(TdtmMain &dm, const QStringList &terrainLines,
                                   const QStringList &files, const QString &fileName, bool preview,
                                   QWidget *parent = nullptr);
TOpStatus PrintTechnicalLetter(TdtmMain &dm, const QStringList &files, const QString &fileName,
                               bool preview, QWidget *parent = nullptr);
// Always previewed.
TOpStatus PrintSpecialCaseDeclaration(TdtmMain &dm, int specialCase, QWidget *parent = nullptr);

// Test seam: while set, previews are not shown; the jobs are counted instead.
void SetPreviewSuppressed(bool suppressed);
int SuppressedPreviewCount();
