#pragma once
#include "Dialog.h"

// The About box, entirely from its dialog template.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;
};
