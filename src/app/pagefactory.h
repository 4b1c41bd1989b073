#pragma once

class IWizardHost;
class QWidget;
class TfraBase;

// Creates the frame of a wizard page (0..8). Pages that are not built yet are
// plain TfraBase frames with their title and the standard navigation.
TfraBase *CreateWizardPage(int page, IWizardHost &host, QWidget *parent);
