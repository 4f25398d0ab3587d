#include "base/atomic_file_win.h"

bool AtomicFile::create(const std::wstring& folder)
{
    discard();
    wchar_t name[MAX_PATH + 16];
    if (folder.size() >= MAX_PATH - 14 || !GetTempFileNameW(folder.c_str(), L"km", 0, name))
        return false;
    path_ = name;
    file_.reset(CreateFileW(name, GENERIC_WRITE | DELETE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_) {
        discard();
        return false;
    }
    markForDeletion(true);
    return true;
}

bool AtomicFile::write(const void* bytes, DWORD size)
{
    DWORD written = 0;
    return file_ && WriteFile(file_.get(), bytes, size, &written, nullptr) && written == size;
}

bool AtomicFile::putInPlace(const std::wstring& target)
{
    const bool kept = file_ && FlushFileBuffers(file_.get()) && markForDeletion(false);
    file_.reset();
    if (!kept || !MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        discard();
        return false;
    }
    path_.clear();
    return true;
}

void AtomicFile::discard()
{
    const DWORD error = GetLastError(); // why the write failed, for the caller to tell
    file_.reset();
    if (!path_.empty())
        DeleteFileW(path_.c_str());
    path_.clear();
    SetLastError(error);
}

bool AtomicFile::markForDeletion(bool deleteOnClose)
{
    FILE_DISPOSITION_INFO disposition = {};
    disposition.DeleteFile = deleteOnClose;
    return SetFileInformationByHandle(file_.get(), FileDispositionInfo, &disposition, sizeof disposition) != 0;
}

bool writeFileWhole(const std::wstring& path, const std::string& bytes)
{
    const size_t slash = path.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : path.substr(0, slash == 2 ? 3 : slash);
    AtomicFile file;
    return file.create(folder) && file.write(bytes.data(), static_cast<DWORD>(bytes.size())) && file.putInPlace(path);
}
