/* Takes netsh.exe's place in the installer test: appends its command line to C:\netsh-calls.txt, one
   line a call, and succeeds. */
#include <windows.h>

int main(void) {
    const wchar_t *line = GetCommandLineW();
    char text[8192];
    const int size = WideCharToMultiByte(CP_UTF8, 0, line, -1, text, (int)sizeof text - 2, NULL, NULL);
    if (size <= 0) return 2;
    text[size - 1] = '\n';
    HANDLE log = CreateFileW(L"C:\\netsh-calls.txt", FILE_APPEND_DATA, FILE_SHARE_READ, NULL, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, NULL);
    if (log == INVALID_HANDLE_VALUE) return 2;
    DWORD written = 0;
    const BOOL ok = WriteFile(log, text, (DWORD)size, &written, NULL);
    CloseHandle(log);
    return ok && written == (DWORD)size ? 0 : 2;
}
