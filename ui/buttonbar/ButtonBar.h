// CButtonBar: a borderless, always-on-top strip of image buttons docked to the middle of one
// screen edge (the capture bar, the Edit Mode bars, the colour bar).
//
// * Every button is drawn from one image: a grid of cells, one per button and state (normal,
//   under the mouse, pressed under the mouse), states in rows or in columns (ButtonBarGeometry.h).
//   Magenta (0xFF00FF) pixels are transparent on screen: the bar is a layered window with magenta
//   as colour key.
// * A click posts WM_COMMAND to the owner: wParam = the button's command identifier (low 16 bits),
//   lParam = 1 for the right mouse button, 0 for the left.
// * A tooltip window beside the bar shows the label of the button under the cursor.
// * With auto-hide the bar collapses into a 4-pixel strip in the hidden colour when the cursor
//   leaves it (fading out over 300 ms) and expands and fades in when the cursor touches the strip
//   (checked every 100 ms). With keep-on-top it puts itself back on top every 100 ms while another
//   program (or none of this program's visible windows) is active.
// * Each object registers its own two window classes, "_zedCButtonBar-<GUID>" and
//   "_zedCButtonBarTooltip-<GUID>", with a GUID made when the object is constructed.
//
// Windows build only (ButtonBar_win.cpp); the geometry and timing rules are portable
// (ButtonBarGeometry.h, ButtonBarTiming.h). User-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/ZImage.h"
#include "ui/buttonbar/ButtonBarGeometry.h"
#include "ui/buttonbar/ButtonBarTiming.h"

struct HWND__;
struct HINSTANCE__;
struct HFONT__;

namespace zentrova {

// The key colour of the button images and of the layered bar window.
constexpr ZColor kBarKeyColor = 0x00FF00FF;

class CButtonBar {
  public:
    CButtonBar();
    ~CButtonBar();
    CButtonBar(const CButtonBar&) = delete;
    CButtonBar& operator=(const CButtonBar&) = delete;

    // Creates the bar (destroying a previous one of this object first): count buttons with the
    // command identifiers commands[0..count-1] and the labels in labels ("|" between the items),
    // drawn from a private copy of image. alignment 0 Left, 1 Top, 2 Right, 3 Bottom. Without
    // auto-hide the bar fades in at once; with auto-hide it starts collapsed unless startShown.
    // False, nothing created, for a count of 0, an image too small for count cells, an alignment
    // outside 0..3 or windows that cannot be created.
    bool Create(HWND__* owner, HINSTANCE__* instance, ZColor hiddenColor, ZColor tooltipBackColor,
                ZColor tooltipTextColor, uint32_t alignment, bool keepOnTop, bool startShown,
                bool autoHide, uint32_t count, const uint32_t* commands, const wchar_t* labels,
                const ZImage& image, bool statesInColumns);
    // Kills the timers, deletes the font, destroys both windows, releases the image copy and the
    // arrays, unregisters both window classes and clears the state flags. Always true.
    bool Destroy();
    // Places the bar window at its edge: full size, or the strip while collapsed.
    void Reposition();
    // Shows (with the label of the button under the cursor) or hides the tooltip window.
    void ShowTooltip();
    void HideTooltip();

    // State, for the owner and the tests.
    bool IsCreated() const { return m_bCreated; }
    bool IsHidden() const { return m_bHidden; }
    // The window is placed as the strip (m_bHidden turns on when a fade out starts; the window
    // shrinks when it ends).
    bool IsCollapsed() const { return m_bStrip; }
    bool IsTooltipShown() const { return m_bTooltipShown; }
    bool IsPressed() const { return m_bPressed; }
    FadeDirection GetFade() const { return m_fade; }
    // The alpha last given to the layered window (255 while not layered).
    uint8_t GetAlpha() const { return m_alpha; }
    HWND__* GetWindow() const { return m_hwndBar; }
    HWND__* GetTooltipWindow() const { return m_hwndTooltip; }
    CellSize GetCellSize() const { return m_cell; }
    uint32_t GetButtonCount() const { return m_count; }
    BarAlignment GetAlignment() const { return m_alignment; }
    const std::wstring& GetBarClassName() const { return m_barClassName; }
    const std::wstring& GetTooltipClassName() const { return m_tooltipClassName; }
    const std::wstring& GetTooltipText() const { return m_tooltipText; }

  private:
    friend struct ButtonBarWindows;

    bool RegisterClasses();
    void OnPaint(HWND__* window);
    void OnPaintTooltip(HWND__* window);
    void OnTimer(uintptr_t id);
    void OnFadeTick();
    void OnAutoHideTick();
    void OnKeepOnTopTick();
    void OnMouseDown();
    void OnMouseUp(bool rightButton);
    void OnMouseMove();
    void StartFade(FadeDirection direction);
    void SetAlpha(uint8_t alpha, bool colorKey);
    void UpdateTooltip();
    // The button under the cursor, -1 when none (or while collapsed).
    int32_t ButtonUnderCursor() const;

    bool m_bCreated = false;
    HWND__* m_hwndOwner = nullptr;
    HWND__* m_hwndBar = nullptr;
    HWND__* m_hwndTooltip = nullptr;
    bool m_bTooltipShown = false;
    std::wstring m_tooltipClassName;
    std::wstring m_barClassName;
    bool m_tooltipClassRegistered = false;
    bool m_barClassRegistered = false;
    HFONT__* m_tooltipFont = nullptr;
    HINSTANCE__* m_instance = nullptr;
    CellSize m_cell;
    uint32_t m_count = 0;
    ZImage m_image;
    ZColor m_hiddenColor = 0;
    ZColor m_tooltipBackColor = 0;
    ZColor m_tooltipTextColor = 0;
    bool m_bAutoHide = false;
    bool m_bHidden = false;
    bool m_bPrevHidden = false;
    bool m_bKeepOnTop = false;
    bool m_bStrip = false;
    uint32_t m_fadeStart = 0;
    FadeDirection m_fade = FadeDirection::None;
    uint8_t m_alpha = 255;
    bool m_bPressed = false;
    bool m_bStatesInColumns = false;
    std::vector<uint32_t> m_commands;
    BarAlignment m_alignment = BarAlignment::Left;
    std::vector<std::wstring> m_labels;
    std::wstring m_tooltipText;
    // Off-screen pictures of the bar and the tooltip, copied to the screen in one block.
    ZImage m_barBuffer;
    ZImage m_tooltipBuffer;
    // Button and pressed state of the last paint: a mouse move repaints only when they change.
    int32_t m_paintedButton = -1;
    bool m_paintedPressed = false;
    bool m_trackingLeave = false;
};

}  // namespace zentrova
