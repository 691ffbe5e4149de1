// The main window's intro windows: the "Welcome" intro with its two pointing arrows at start-up,
// the capture intros before the capture commands, the Edit Mode's chain of intros with an arrow
// at each bar, and what UM_INTRO_CLOSED does.
#include "core/ZError.h"
#include "core/win/MainWindow.h"
#include "core/win/PrivateMessages.h"
#include "image/ZResample.h"
#include "lang/TextLookup.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kModule = L"Core\\MainWindowIntro";

// The plain look without a skin: a white page of this size.
constexpr uint32_t kPlainIntroWidth = 560;
constexpr uint32_t kPlainIntroHeight = 360;

IntroLook LookFromSkin(const Skin& skin) {
    static constexpr const wchar_t* kColours[4] = {
        L"IntroWindowTextColor", L"IntroWindowTextH1Color", L"IntroWindowTextH2Color",
        L"IntroWindowTextH3Color"};
    static constexpr const wchar_t* kWeights[4] = {nullptr, L"IntroWindowTextH1Weight",
                                                   L"IntroWindowTextH2Weight",
                                                   L"IntroWindowTextH3Weight"};
    static constexpr const wchar_t* kItalic[4] = {nullptr, L"IntroWindowTextH1Italic",
                                                  L"IntroWindowTextH2Italic",
                                                  L"IntroWindowTextH3Italic"};
    static constexpr const wchar_t* kUnderline[4] = {nullptr, L"IntroWindowTextH1Underline",
                                                     L"IntroWindowTextH2Underline",
                                                     L"IntroWindowTextH3Underline"};
    IntroLook look;
    for (int level = 0; level < 4; ++level) {
        look.colours[level] = skin.GetColor(kColours[level]);
        if (level > 0) {
            look.weights[level] = skin.GetNumber(kWeights[level]);
            look.italic[level] = skin.GetNumber(kItalic[level]) == 1;
            look.underline[level] = skin.GetNumber(kUnderline[level]) == 1;
        }
    }
    look.textX = skin.GetNumber(L"IntroWindowTextPosX");
    look.textY = skin.GetNumber(L"IntroWindowTextPosY");
    look.lineHeight = skin.GetNumber(L"IntroWindowTextLineHeight");
    look.rowBrush = skin.GetBackgroundBrush();
    return look;
}

}  // namespace

bool MainWindow::ShowIntroWindow(IntroId id) {
    // A "Welcome" replaced by another intro takes its arrows along.
    if (m_introOpen && IntroStepOf(m_openIntro).fadeStartUpArrows) {
        for (PointingArrow& arrow : m_startArrows) {
            arrow.FadeOut();
        }
    }
    m_introOpen = false;
    const IntroStep& step = IntroStepOf(id);
    ZtvLangManHandle lang = m_app.language.Handle();
    const IntroLines lines = BuildIntroLines(lang, IntroName(id), kProductName);
    wchar_t button[kLanguageTextChars] = L"";
    wchar_t check[kLanguageTextChars] = L"";
    if (step.hasNext) {
        GetLanguageMessage(lang, button, kLanguageTextChars, L"IntroWindowNext", L"Next");
    } else {
        GetLanguageMessage(lang, button, kLanguageTextChars, L"IntroWindowClose", L"Close");
    }
    GetLanguageMessage(lang, check, kLanguageTextChars, L"IntroWindowShowNextTime", L"Show window");
    IntroLook look;
    ZImage background;
    ZImage logo;
    if (m_app.skinFound) {
        look = LookFromSkin(m_app.skin);
        m_app.skin.LoadJpg(background, L"IntroWndBack");
        m_app.skin.LoadPng(logo, L"IntroWndLogo");
    }
    if (!background.IsValid() &&
        !background.Create(kPlainIntroWidth, kPlainIntroHeight, 24, 0x00FFFFFF, nullptr)) {
        return false;
    }
    if (!m_intro.Create(m_hwnd, m_app.instance, UM_INTRO_CLOSED, IntroName(id),
                        static_cast<intptr_t>(id), lines, look, background, logo, button, check)) {
        ZTrace(kModule, __LINE__, L"intro window %ls not shown\n", IntroName(id));
        return false;
    }
    m_introOpen = true;
    m_openIntro = id;
    return true;
}

void MainWindow::ShowArrow(PointingArrow& arrow, const ArrowTarget& target) {
    ZImage picture;
    if (!m_app.skinFound || !m_app.skin.LoadPng(picture, L"PointingArrow")) {
        return;
    }
    if (HalveArrowPicture(GetSystemMetrics(SM_CXSCREEN)) &&
        !Resize(picture, static_cast<int32_t>(picture.GetWidth() / 2),
                static_cast<int32_t>(picture.GetHeight() / 2), kFilterNoSmoothing)) {
        return;
    }
    if (!arrow.Show(m_hwnd, m_app.instance, target.direction, target.x, target.y, picture)) {
        ZTrace(kModule, __LINE__, L"pointing arrow not shown\n");
    }
}

void MainWindow::ShowWelcome() {
    if (!ShowIntroWindow(IntroId::Welcome)) {
        return;
    }
    ArrowTarget targets[2];
    StartUpArrowTargets(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), targets);
    for (int i = 0; i < 2; ++i) {
        ShowArrow(m_startArrows[i], targets[i]);
    }
}

void MainWindow::CloseEditModeIntros() {
    // The Edit Mode's intros: "EditModeWelcome" and the bars' intros, which keep no flag.
    if (m_introOpen &&
        (m_openIntro == IntroId::EditModeWelcome || IntroStepOf(m_openIntro).flag == nullptr)) {
        m_intro.Close();
        m_introOpen = false;
    }
    for (PointingArrow& arrow : m_chainArrows) {
        arrow.Close();
    }
}

void MainWindow::OnIntroClosed(WPARAM wParam, LPARAM lParam) {
    IntroClosed closed;
    if (!DecodeIntroClosed(wParam, static_cast<int64_t>(lParam), m_introOpen, m_openIntro,
                           closed)) {
        ZTrace(kModule, __LINE__, L"intro notice ignored\n");
        return;
    }
    m_introOpen = false;
    const IntroStep& step = IntroStepOf(closed.id);
    if (step.flag != nullptr) {
        m_app.settings.*step.flag = closed.showAgain;
        m_app.settingsStore.SaveSettings(m_app.settings);
    }
    if (step.fadeStartUpArrows) {
        for (PointingArrow& arrow : m_startArrows) {
            arrow.FadeOut();
        }
    }
    if (step.fadeChainArrow) {
        m_chainArrows[m_chainArrow].FadeOut();
    }
    if (step.startsCapture && IntroStartsMode(step.group, m_app.introMode)) {
        StartCapture(m_app.introMode);
    }
    if (step.hasNext && ShowIntroWindow(step.next)) {
        // The other arrow object, so that the previous arrow fades out meanwhile.
        m_chainArrow = 1 - m_chainArrow;
        ShowArrow(m_chainArrows[m_chainArrow],
                  ArrowTargetOf(step.nextArrow, GetSystemMetrics(SM_CXSCREEN),
                                GetSystemMetrics(SM_CYSCREEN)));
    }
}

}  // namespace zentrova
