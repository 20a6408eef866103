// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

// A stand-in for the three conversion tools in the Windows build's tests, where no Windows
// builds of the real ones exist. Installed as External\mp3splt\mp3splt.exe,
// External\sox\sox.exe and External\ffmpeg\ffmpeg-heaac.exe, it takes its role from its
// own name, reads its arguments as a Windows program does (the C runtime's rules), and
// writes the file its role must produce from the arguments its role is given:
//   mp3splt       INPUT START END -d FOLDER -o STEM      FOLDER\STEM.mp3, a copy of INPUT
//   sox           CUT FADED fade h IN 0 OUT              FADED, a copy of CUT
//   ffmpeg-heaac  -i FADED -c:a libfdk_aac ENCODED       ENCODED, an MPEG-4 file whose header
//                                                        gives STANDIN_SECONDS (default 30)
// Each also answers its version option. What it does beyond that is set by environment
// variables, each a list of "NAME:VALUE" entries separated by commas, NAME the stand-in's
// name (mp3splt, sox, ffmpeg-heaac):
//   STANDIN_EXIT    exit with VALUE, making nothing
//   STANDIN_CRASH   end as a crashed program does (VALUE unused)
//   STANDIN_SLEEP   wait VALUE seconds first
//   STANDIN_PID     write the process id to the file VALUE
// and STANDIN_ARGS=FILE appends each run's name and arguments to FILE, "|" between them,
// one run per line, in UTF-8.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::wstring ownName()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.rfind(L'.'));
}

// The VALUE of the "NAME:VALUE" entry meant for this stand-in in a variable of entries
// separated by commas, or nothing.
bool setting(const wchar_t* variable, const std::wstring& name, std::wstring& value)
{
    const wchar_t* text = _wgetenv(variable);
    if (!text)
        return false;
    const std::wstring entries = text;
    for (std::size_t start = 0; start <= entries.size();) {
        const std::size_t end = std::min(entries.find(L',', start), entries.size());
        const std::wstring entry = entries.substr(start, end - start);
        const std::size_t colon = entry.find(L':');
        if (entry.substr(0, colon) == name) {
            value = colon == std::wstring::npos ? std::wstring() : entry.substr(colon + 1);
            return true;
        }
        start = end + 1;
    }
    return false;
}

bool readFile(const std::wstring& path, std::string& content)
{
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return false;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        content.append(buffer, n);
    std::fclose(file);
    return true;
}

bool writeFile(const std::wstring& path, const std::string& content)
{
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    return std::fclose(file) == 0 && written;
}

std::string bigEndian(std::uint32_t value)
{
    return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
}

std::string box(const char* type, const std::string& content)
{
    return bigEndian(std::uint32_t(8 + content.size())) + type + content;
}

// ftyp, moov with a version 0 movie header, and the media data.
std::string mpeg4(double seconds, const std::string& media)
{
    const std::uint32_t timescale = 1000;
    const std::string header = std::string(4, '\0') + bigEndian(0) + bigEndian(0) + bigEndian(timescale)
                               + bigEndian(std::uint32_t(seconds * timescale)) + std::string(80, '\0');
    return box("ftyp", "M4A " + bigEndian(0) + "M4A mp42isom") + box("moov", box("mvhd", header)) + box("mdat", media);
}

int fail(const wchar_t* message, int status)
{
    std::fwprintf(stderr, L"%ls\n", message);
    return status;
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    const std::wstring name = ownName();
    const std::vector<std::wstring> args(argv + 1, argv + argc);

    if (const wchar_t* log = _wgetenv(L"STANDIN_ARGS")) {
        std::wstring line = name;
        for (const std::wstring& arg : args)
            line += L"|" + arg;
        line += L"\n";
        std::string utf8(line.size() * 4, '\0');
        utf8.resize(WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), utf8.data(), int(utf8.size()),
                                        nullptr, nullptr));
        if (FILE* file = _wfopen(log, L"ab")) {
            std::fwrite(utf8.data(), 1, utf8.size(), file);
            std::fclose(file);
        }
    }
    std::wstring value;
    if (setting(L"STANDIN_PID", name, value)) {
        if (FILE* file = _wfopen(value.c_str(), L"wb")) {
            std::fprintf(file, "%lu", GetCurrentProcessId());
            std::fclose(file);
        }
    }
    if (setting(L"STANDIN_SLEEP", name, value))
        Sleep(DWORD(std::wcstod(value.c_str(), nullptr) * 1000));
    if (setting(L"STANDIN_CRASH", name, value))
        TerminateProcess(GetCurrentProcess(), EXCEPTION_ACCESS_VIOLATION);
    if (setting(L"STANDIN_EXIT", name, value))
        return int(std::wcstol(value.c_str(), nullptr, 10));

    const std::size_t count = args.size();
    if (name == L"mp3splt") {
        if (count == 1 && args[0] == L"-v")
            return std::printf("mp3splt stand-in - using libmp3splt 0.9.2-standin\n") < 0;
        std::string content;
        if (count != 7 || args[3] != L"-d" || args[5] != L"-o")
            return fail(L"usage: mp3splt INPUT START END -d FOLDER -o STEM", 1);
        if (!readFile(args[0], content))
            return fail(L"error: cannot open the input file", 1);
        std::wstring folder = args[4];
        if (!folder.empty() && folder.back() == L'.')
            folder.pop_back();
        return writeFile(folder + args[6] + L".mp3", content) ? 0 : fail(L"error: cannot write the cut", 1);
    }
    if (name == L"sox") {
        if (count == 1 && args[0] == L"--version")
            return std::printf("sox:      SoX v14.4.2-standin\n") < 0;
        std::string content;
        if (count != 7 || args[2] != L"fade" || args[3] != L"h")
            return fail(L"sox FAIL: usage: sox CUT FADED fade h IN 0 OUT", 1);
        if (!readFile(args[0], content))
            return fail(L"sox FAIL formats: can't open input file", 2);
        return writeFile(args[1], content) ? 0 : fail(L"sox FAIL: cannot write the faded file", 2);
    }
    if (name == L"ffmpeg-heaac") {
        if (count == 1 && args[0] == L"-version")
            return std::printf("ffmpeg version 2.6.2-standin Copyright (c) 2026 the Tovalin developers\n") < 0;
        std::string content;
        if (count != 5 || args[0] != L"-i" || args[2] != L"-c:a" || args[3] != L"libfdk_aac")
            return fail(L"usage: ffmpeg-heaac -i FADED -c:a libfdk_aac ENCODED", 1);
        if (!readFile(args[1], content))
            return fail(L"No such file or directory", 1);
        const wchar_t* seconds = _wgetenv(L"STANDIN_SECONDS");
        const double length = seconds ? std::wcstod(seconds, nullptr) : 30;
        return writeFile(args[4], mpeg4(length, content)) ? 0 : fail(L"cannot write the encoded file", 1);
    }
    return fail(L"a tool stand-in must be named mp3splt, sox or ffmpeg-heaac", 1);
}
