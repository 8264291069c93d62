#pragma once
// A window of round coloured buttons, one per multiplier: green with a near-black label until
// the multiplier is marked worked, then magenta with a yellow label until the marks are
// cleared. The continent and call-area windows are two of these with their own button tables.
#include <windows.h>

#include <array>
#include <cstddef>

#include "platform/CString.h"
#include "platform/win32/Gdi.h"
#include "windows/AdvancedButton.h"
#include "windows/MultiplierWindow.h"
#include "windows/WindowColours.h"

constexpr COLORREF kUnworkedFace = RGB(0, 255, 0);
constexpr COLORREF kUnworkedLabel = RGB(1, 1, 1);
constexpr COLORREF kWorkedFace = RGB(255, 0, 255);
constexpr COLORREF kWorkedLabel = RGB(255, 255, 0);
constexpr COLORREF kDisabledLabel = RGB(128, 128, 128);

// One button of the window: the multiplier it shows, its control and its flag in m_worked.
struct MarkButton {
    CString code;
    int controlId;
    int flag;
};

template <std::size_t N>
class CMarkWindow : public CMultiplierWindow {
public:
    // Marks every code of `codes`, then shows the marks.
    void ShowWorked(const std::vector<CString>& codes) override
    {
        for (const CString& code : codes)
            MarkWorked(code);
        UpdateData(FALSE);
    }

    // Marks the multiplier with exactly this code (case counts) worked; nothing for an
    // unknown code or one already marked.
    void MarkWorked(const CString& code)
    {
        for (std::size_t i = 0; i < N; ++i) {
            if (code != m_table[i].code)
                continue;
            int& worked = m_worked[static_cast<std::size_t>(m_table[i].flag)];
            if (worked == 1)
                return;
            worked = 1;
            m_buttons[i].SetColours(kWorkedFace, kWorkedLabel);
            return;
        }
    }

    // Every multiplier back to unworked and green.
    void ClearMarks() override
    {
        m_worked.fill(0);
        for (CAdvancedButton& button : m_buttons)
            button.SetColours(kUnworkedFace, kUnworkedLabel);
    }

protected:
    // `table`: the buttons in control-id order.
    CMarkWindow(UINT templateId, HINSTANCE resources, const WindowPlace& place, bool onTop,
        const std::array<MarkButton, N>& table)
        : CMultiplierWindow(templateId, resources, place, onTop), m_table(table)
    {
        m_exchanged.fill(-1);
    }

    // DDX_Check of each button with the flag it shows. A mark that the control already holds
    // is not sent again: the buttons are owner-drawn and nothing but this exchange sets their
    // check state, and under Wine each BM_SETCHECK costs some 25 us, which made the forty of
    // the call-area window half of every refresh.
    void DoDataExchange(CDataExchange* pDX) override
    {
        for (const MarkButton& button : m_table) {
            const auto flag = static_cast<std::size_t>(button.flag);
            int& worked = m_worked[flag];
            if (!pDX->m_bSaveAndValidate && m_exchanged[flag] == worked)
                continue;
            DDX_Check(pDX, button.controlId, worked);
            m_exchanged[flag] = worked;
        }
    }

    BOOL OnInitDialog() override
    {
        CMultiplierWindow::OnInitDialog();
        m_background.CreateSolidBrush(kWindowBackground);
        for (std::size_t i = 0; i < N; ++i) {
            m_buttons[i].AttachItem(
                static_cast<UINT>(m_table[i].controlId), this, kUnworkedFace, kUnworkedLabel, kDisabledLabel);
            m_buttons[i].Redraw();
        }
        return TRUE;
    }

    // The dialog, its labels and the buttons' corners on the window background.
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
            return reinterpret_cast<INT_PTR>(OnCtlColor(reinterpret_cast<HDC>(wParam), m_background));
        return CMultiplierWindow::OnMessage(message, wParam, lParam);
    }

    CBrush m_background;
    std::array<int, N> m_worked{};
    std::array<int, N> m_exchanged; // the marks last put into the controls; -1 before the first
    std::array<CAdvancedButton, N> m_buttons;

private:
    const std::array<MarkButton, N>& m_table;
};
