#pragma once
#include "framework/wnd.h"

#include <string>

class CDialog;

// Direction and target of one data exchange run.
struct CDataExchange {
    BOOL m_bSaveAndValidate; // TRUE: controls -> members; FALSE: members -> controls
    CDialog* m_pDlgWnd;
};

// Binds a member window object to a dialog control by subclassing it (once).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// Copies a control's text to or from a string.
void DDX_Text(CDataExchange* dx, int id, std::string& value);

// A dialog from a template resource of the application's module. Modal dialogs run their own
// message loop, which offers every message to PreTranslateMessage first; modeless ones are made
// with Create, and EndDialog only hides them.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);

    virtual INT_PTR DoModal();
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    BOOL PreTranslateMessage(MSG* msg) override;

    virtual void OnOK();
    virtual void OnCancel();

protected:
    DECLARE_MESSAGE_MAP()

private:
    friend INT_PTR CALLBACK DialogInitProc(HWND, UINT, WPARAM, LPARAM);
    HWND CreateFromTemplate(HWND parent);
    void RunModalLoop();

    UINT templateId_;
    CWnd* parent_;
    bool modal_ = false;
    bool modalRunning_ = false;
    INT_PTR modalResult_ = -1;
};
