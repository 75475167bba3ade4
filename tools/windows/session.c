/* What the Windows end-to-end tests ask of the system that Wine's own tools
 * do not offer:
 *
 *   session start SHOW-COMMAND PROGRAM   starts PROGRAM with that show command,
 *                                        as a shortcut or a launcher would, and
 *                                        returns its exit code when it ends
 *   session end TITLE                    ends the session for the top-level
 *                                        window titled TITLE, as a log-off does
 *   session window TITLE                 prints how the system holds that
 *                                        window: "LEFT TOP WIDTH HEIGHT STATE
 *                                        ACTIVITY", its state maximised,
 *                                        minimised or normal and its activity
 *                                        active or inactive
 */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

static int Start(int showCommand, wchar_t* program)
{
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process;
    DWORD status = 1;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = (WORD)showCommand;
    if (!CreateProcessW(NULL, program, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        fwprintf(stderr, L"session: cannot start %ls (error %lu)\n", program, GetLastError());
        return 127;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return (int)status;
}

static HWND Find(const wchar_t* title)
{
    HWND window = FindWindowW(NULL, title);
    if (!window)
        fwprintf(stderr, L"session: no window titled %ls\n", title);
    return window;
}

static int End(const wchar_t* title)
{
    HWND window = Find(title);
    DWORD_PTR answer = 0;
    if (!window)
        return 1;
    SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 5000,
                        &answer);
    SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, 5000, &answer);
    return 0;
}

static int Describe(const wchar_t* title)
{
    HWND window = Find(title);
    RECT rect;
    if (!window || !GetWindowRect(window, &rect))
        return 1;
    wprintf(L"%ld %ld %ld %ld %ls %ls\n", rect.left, rect.top, rect.right - rect.left,
            rect.bottom - rect.top,
            IsZoomed(window)   ? L"maximised"
            : IsIconic(window) ? L"minimised"
                               : L"normal",
            GetForegroundWindow() == window ? L"active" : L"inactive");
    return 0;
}

int wmain(int argc, wchar_t* argv[])
{
    if (argc == 4 && wcscmp(argv[1], L"start") == 0)
        return Start(_wtoi(argv[2]), argv[3]);
    if (argc == 3 && wcscmp(argv[1], L"end") == 0)
        return End(argv[2]);
    if (argc == 3 && wcscmp(argv[1], L"window") == 0)
        return Describe(argv[2]);
    fwprintf(stderr, L"usage: session start SHOW-COMMAND PROGRAM | session end TITLE | "
                     L"session window TITLE\n");
    return 2;
}
