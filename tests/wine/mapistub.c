/* mapistub: the stand-in MAPI32.DLL of the e-mail test. Each call is appended to "calls.txt" in
 * the folder CLARIVUE_MAPI_DIR, where MAPISendMail copies the attachments; with "send" in its
 * "mode.txt" MAPISendMail fails.
 */
#include <windows.h>

#include <mapi.h>

#include <stdio.h>
#include <string.h>

static char g_dir[MAX_PATH];

static void Record(const char* format, const char* text, unsigned long number) {
    char path[MAX_PATH + 16];
    snprintf(path, sizeof path, "%s\\calls.txt", g_dir);
    FILE* file = fopen(path, "ab");
    if (file != NULL) {
        fprintf(file, format, text != NULL ? text : "", number);
        fputc('\n', file);
        fclose(file);
    }
}

static BOOL Failing(const char* step) {
    char path[MAX_PATH + 16], mode[32] = "";
    snprintf(path, sizeof path, "%s\\mode.txt", g_dir);
    FILE* file = fopen(path, "rb");
    if (file == NULL)
        return FALSE;
    size_t n = fread(mode, 1, sizeof mode - 1, file);
    fclose(file);
    mode[n] = '\0';
    return strstr(mode, step) != NULL;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        if (GetEnvironmentVariableA("CLARIVUE_MAPI_DIR", g_dir, MAX_PATH) == 0)
            strcpy(g_dir, ".");
        Record("loaded", NULL, 0);
    }
    return TRUE;
}

__declspec(dllexport) ULONG WINAPI MAPILogon(ULONG_PTR ui, LPSTR profile, LPSTR password,
                                             FLAGS flags, ULONG reserved, LPLHANDLE session) {
    (void)ui, (void)profile, (void)password, (void)reserved;
    Record("logon %s0x%lx", "flags=", flags);
    *session = 7;
    return SUCCESS_SUCCESS;
}

__declspec(dllexport) ULONG WINAPI MAPILogoff(LHANDLE session, ULONG_PTR ui, FLAGS flags,
                                              ULONG reserved) {
    (void)ui, (void)flags, (void)reserved;
    Record("logoff%s %lu", "", (unsigned long)session);
    return SUCCESS_SUCCESS;
}

__declspec(dllexport) ULONG WINAPI MAPIResolveName(LHANDLE session, ULONG_PTR ui, LPSTR name,
                                                   FLAGS flags, ULONG reserved,
                                                   lpMapiRecipDesc* recipient) {
    (void)session, (void)ui, (void)flags, (void)reserved, (void)recipient;
    Record("resolve %s", name, 0);
    return MAPI_E_UNKNOWN_RECIPIENT;
}

__declspec(dllexport) ULONG WINAPI MAPIFreeBuffer(LPVOID buffer) {
    (void)buffer;
    return SUCCESS_SUCCESS;
}

__declspec(dllexport) ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR ui,
                                                lpMapiMessage message, FLAGS flags,
                                                ULONG reserved) {
    (void)ui, (void)reserved;
    Record("send subject=%s flags=0x%lx", message->lpszSubject, flags);
    for (ULONG i = 0; i < message->nFileCount; ++i) {
        char copy[MAX_PATH * 2];
        Record("file %s", message->lpFiles[i].lpszFileName, 0);
        Record("path %s", message->lpFiles[i].lpszPathName, 0);
        snprintf(copy, sizeof copy, "%s\\%s", g_dir, message->lpFiles[i].lpszFileName);
        CopyFileA(message->lpFiles[i].lpszPathName, copy, FALSE);
    }
    (void)session;
    return Failing("send") ? MAPI_E_FAILURE : SUCCESS_SUCCESS;
}
