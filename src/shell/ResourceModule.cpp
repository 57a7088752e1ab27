#include "shell/ResourceModule.h"

#include "shell/ProgramLayout.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tevano {

namespace {

std::string LoaderError() {
    const char* text = dlerror();
    return text != nullptr ? text : "";
}

// A name from the INI file must not lead the loader out of the module directories.
bool IsModuleName(const std::string& languageString) {
    return !languageString.empty() && languageString.find('/') == std::string::npos &&
           languageString.find('\0') == std::string::npos;
}

bool ReadAt(int fd, void* buffer, std::size_t size, off_t offset) {
    return pread(fd, buffer, size, offset) == static_cast<ssize_t>(size);
}

bool WithinFile(std::uint64_t offset, std::uint64_t size, std::uint64_t fileSize) {
    return offset <= fileSize && size <= fileSize - offset;
}

// The system loader maps a module's segments straight from the file, so a module cut short (an
// interrupted copy) would fault the program the moment its data is touched. A file is handed to
// the loader only when it holds every segment its header announces; a header of another class
// or a file that is no library at all is left to the loader, which refuses it by itself.
bool HoldsItsSegments(const std::string& path, std::string& why) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    struct stat info {};
    ElfW(Ehdr) header{};
    if (fstat(fd, &info) != 0 || !ReadAt(fd, &header, sizeof header, 0)) {
        close(fd);
        why = "too short for a library";
        return false;
    }
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != (sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32) ||
        header.e_phentsize != sizeof(ElfW(Phdr))) {
        close(fd);
        return true;
    }
    const auto fileSize = static_cast<std::uint64_t>(info.st_size);
    bool whole = WithinFile(header.e_phoff, header.e_phnum * sizeof(ElfW(Phdr)), fileSize);
    for (unsigned i = 0; whole && i < header.e_phnum; ++i) {
        ElfW(Phdr) segment{};
        whole =
            ReadAt(fd, &segment, sizeof segment,
                   static_cast<off_t>(header.e_phoff + i * sizeof(ElfW(Phdr)))) &&
            (segment.p_type == PT_NULL || WithinFile(segment.p_offset, segment.p_filesz, fileSize));
    }
    close(fd);
    if (!whole) {
        why = "the file is cut short";
    }
    return whole;
}

template <class T> bool TableIsWhole(const T* table, int count) {
    return count >= 0 && (count == 0 || table != nullptr);
}

// Only the top-level tables are checked: enough to tell a damaged or foreign set from ours.
bool SetIsWhole(const res::ResourceSet& set) {
    return set.languageTag != nullptr && TableIsWhole(set.menus, set.menuCount) &&
           TableIsWhole(set.toolbars, set.toolbarCount) &&
           TableIsWhole(set.acceleratorTables, set.acceleratorTableCount) &&
           TableIsWhole(set.strings, set.stringCount) &&
           TableIsWhole(set.dialogs, set.dialogCount) && TableIsWhole(set.iconIds, set.iconCount);
}

template <class T> const T* FindById(const T* table, int count, int id) {
    for (int i = 0; i < count; ++i) {
        if (table[i].id == id) {
            return &table[i];
        }
    }
    return nullptr;
}

} // namespace

ResourceModule::~ResourceModule() {
    Release();
}

ResourceModule::ResourceModule(ResourceModule&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), set_(std::exchange(other.set_, nullptr)),
      error_(std::exchange(other.error_, ResourceModuleError::None)),
      errorDetail_(std::move(other.errorDetail_)), path_(std::move(other.path_)),
      tried_(std::move(other.tried_)) {}

ResourceModule& ResourceModule::operator=(ResourceModule&& other) noexcept {
    if (this != &other) {
        Release();
        handle_ = std::exchange(other.handle_, nullptr);
        set_ = std::exchange(other.set_, nullptr);
        error_ = std::exchange(other.error_, ResourceModuleError::None);
        errorDetail_ = std::move(other.errorDetail_);
        path_ = std::move(other.path_);
        tried_ = std::move(other.tried_);
    }
    return *this;
}

void ResourceModule::Release() {
    set_ = nullptr;
    if (handle_ != nullptr) {
        dlclose(handle_);
        handle_ = nullptr;
    }
}

ResourceModule ResourceModule::Load(const std::string& languageString,
                                    const std::string& programDirectory) {
    return LoadFrom(languageString, ModuleDirectories(programDirectory));
}

ResourceModule ResourceModule::Failed(ResourceModuleError error, std::string path,
                                      std::string detail) {
    ResourceModule module;
    module.error_ = error;
    module.path_ = std::move(path);
    module.errorDetail_ = std::move(detail);
    return module;
}

ResourceModule ResourceModule::LoadFrom(const std::string& languageString,
                                        const std::vector<std::string>& directories) {
    if (!IsModuleName(languageString)) {
        return Failed(ResourceModuleError::BadName, "", "not a module name: " + languageString);
    }
    const std::string fileName = languageString + ".so";
    std::vector<std::string> tried;
    for (const std::string& directory : directories) {
        if (directory.empty()) {
            continue;
        }
        const std::string path =
            directory.back() == '/' ? directory + fileName : directory + "/" + fileName;
        struct stat info {};
        if (stat(path.c_str(), &info) != 0) {
            tried.push_back(path);
            continue;
        }
        // Opening a pipe or a device would hang or do worse; only plain files are tried.
        if (!S_ISREG(info.st_mode)) {
            return Failed(ResourceModuleError::NotLoadable, path, "not a regular file");
        }
        std::string why;
        if (!HoldsItsSegments(path, why)) {
            return Failed(ResourceModuleError::NotLoadable, path, why);
        }
        // The path always holds a "/", so the system's library search is never involved.
        void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            return Failed(ResourceModuleError::NotLoadable, path, LoaderError());
        }
        const auto entry =
            reinterpret_cast<res::ResourceSetEntry>(dlsym(handle, res::kResourceSetSymbol));
        const res::ResourceSet* set = entry != nullptr ? entry() : nullptr;
        ResourceModuleError error = ResourceModuleError::None;
        std::string detail;
        if (set == nullptr) {
            error = ResourceModuleError::NoResourceSet;
            detail = std::string("no ") + res::kResourceSetSymbol;
        } else if (set->formatVersion != res::kResourceFormatVersion) {
            error = ResourceModuleError::WrongVersion;
            detail = "format version " + std::to_string(set->formatVersion) + ", expected " +
                     std::to_string(res::kResourceFormatVersion);
        } else if (!SetIsWhole(*set)) {
            error = ResourceModuleError::NoResourceSet;
            detail = "damaged resource set";
        }
        if (error != ResourceModuleError::None) {
            dlclose(handle);
            return Failed(error, path, detail);
        }
        ResourceModule module;
        module.handle_ = handle;
        module.set_ = set;
        module.path_ = path;
        return module;
    }
    ResourceModule missing = Failed(ResourceModuleError::NotFound, "", fileName + " not found");
    missing.tried_ = std::move(tried);
    return missing;
}

std::string ModuleFailureText(const ResourceModule& failed) {
    if (failed.Error() != ResourceModuleError::NotFound) {
        return (failed.Path().empty() ? std::string() : failed.Path() + ": ") +
               failed.ErrorDetail() + "\n";
    }
    std::string text = failed.ErrorDetail() + "; looked for:\n";
    for (const std::string& path : failed.Tried()) {
        text += "  " + path + "\n";
    }
    return text;
}

std::string ResourceModule::String(int id) const {
    if (set_ == nullptr) {
        return {};
    }
    const res::StringEntry* entry = FindById(set_->strings, set_->stringCount, id);
    return entry != nullptr && entry->text != nullptr ? entry->text : "";
}

const res::Menu* ResourceModule::FindMenu(int id) const {
    return set_ != nullptr ? FindById(set_->menus, set_->menuCount, id) : nullptr;
}

const res::Toolbar* ResourceModule::FindToolbar(int id) const {
    return set_ != nullptr ? FindById(set_->toolbars, set_->toolbarCount, id) : nullptr;
}

const res::AcceleratorTable* ResourceModule::FindAccelerators(int id) const {
    return set_ != nullptr ? FindById(set_->acceleratorTables, set_->acceleratorTableCount, id)
                           : nullptr;
}

const res::DialogTemplate* ResourceModule::FindDialog(int id) const {
    return set_ != nullptr ? FindById(set_->dialogs, set_->dialogCount, id) : nullptr;
}

const res::ControlTemplate* ResourceModule::FindControl(int dialogId, int controlId) const {
    const res::DialogTemplate* dialog = FindDialog(dialogId);
    if (dialog == nullptr || controlId < 0) {
        return nullptr;
    }
    return FindById(dialog->controls, dialog->controlCount, controlId);
}

bool ResourceModule::HasIcon(int id) const {
    if (set_ == nullptr) {
        return false;
    }
    for (int i = 0; i < set_->iconCount; ++i) {
        if (set_->iconIds[i] == id) {
            return true;
        }
    }
    return false;
}

} // namespace tevano
