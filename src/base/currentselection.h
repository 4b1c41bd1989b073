#pragma once

#include <QString>

// What the user is working on: one application-wide record read and written by
// the pages, the record operations and the status bar. Texts are cut to their
// field lengths when stored through the setters.
struct TCurrentSelection {
    qint32 ownerId = 0;
    qint32 siteId = 0;
    qint32 placementId = 0;
    qint32 pointId = 0;

    int ownerCount = 0;
    int siteCount = 0;      // of the current owner
    int placementCount = 0; // of the current site
    int pointCount = 0;     // of the current site; after an evaluation, its entry count

    int ownerPosition = 0;
    int sitePosition = 0;
    int placementPosition = 0;

    int languageId = 0;        // document language: 1 English, 2 Dutch, 3 French, 4 German
    int interfaceLanguage = 0; // 0 English, 1 Dutch, 2 French, 3 German

    QString call;          // at most 10 characters
    QString siteName;      // at most 12
    QString placementRef;  // at most 15
    QString pointRef;      // at most 7
    QString userDirectory; // at most 255

    bool lowPowerReport = false; // the submission page's Back returns to the low-power page
    bool terrainStudy = false;   // set by the evaluation, read by the submission page

    void setCall(const QString &text) { call = text.left(10); }
    void setSiteName(const QString &text) { siteName = text.left(12); }
    void setPlacementRef(const QString &text) { placementRef = text.left(15); }
    void setPointRef(const QString &text) { pointRef = text.left(7); }
    void setUserDirectory(const QString &text) { userDirectory = text.left(255); }

    // Empties everything but the interface language.
    void clear()
    {
        const int keep = interfaceLanguage;
        *this = TCurrentSelection();
        interfaceLanguage = keep;
    }
};

// The program's one selection record.
TCurrentSelection &CurrentSelection();
