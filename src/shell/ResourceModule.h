// The resource module of one display language: the shared library "<language string>.so" that
// holds the menus, toolbar, accelerators, strings and dialog templates of that language. It is
// looked for beside the program first, then in the installation's module folder.
#pragma once

#include "resources/ResourceTypes.h"

#include <string>
#include <vector>

namespace tevano {

enum class ResourceModuleError {
    None,
    BadName,       // the language string is empty or names a path, not a module
    NotFound,      // no such file in any of the directories searched
    NotLoadable,   // the file is there but the system cannot load it as a library
    NoResourceSet, // a library, but without the resource set or with a damaged one
    WrongVersion,  // a resource set of another format version
};

class ResourceModule {
public:
    // No module: every question is answered with nothing.
    ResourceModule() = default;
    ~ResourceModule();
    ResourceModule(ResourceModule&& other) noexcept;
    ResourceModule& operator=(ResourceModule&& other) noexcept;
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    // Loads "<languageString>.so" from the program's directory or, when it is not there, from the
    // installation's module folder relative to it. Failure is in Error(); the result then holds
    // no module.
    [[nodiscard]] static ResourceModule Load(const std::string& languageString,
                                             const std::string& programDirectory);

    // The same over a list of directories, searched in order; the first that holds the file is
    // the one loaded from, even if loading fails there.
    [[nodiscard]] static ResourceModule LoadFrom(const std::string& languageString,
                                                 const std::vector<std::string>& directories);

    bool Loaded() const { return set_ != nullptr; }
    ResourceModuleError Error() const { return error_; }
    const std::string& ErrorDetail() const { return errorDetail_; } // the system's own words
    const std::string& Path() const { return path_; }               // of the file loaded or tried
    // Every path looked at, in order, when no file was found.
    const std::vector<std::string>& Tried() const { return tried_; }
    const res::ResourceSet* Set() const { return set_; }

    // "" when the string table has no such id.
    std::string String(int id) const;
    const res::Menu* FindMenu(int id) const;
    const res::Toolbar* FindToolbar(int id) const;
    const res::AcceleratorTable* FindAccelerators(int id) const;
    const res::DialogTemplate* FindDialog(int id) const;
    // nullptr also for a negative id: those controls are never addressed.
    const res::ControlTemplate* FindControl(int dialogId, int controlId) const;
    bool HasIcon(int id) const;

private:
    static ResourceModule Failed(ResourceModuleError error, std::string path, std::string detail);
    void Release();

    void* handle_ = nullptr;
    const res::ResourceSet* set_ = nullptr;
    ResourceModuleError error_ = ResourceModuleError::None;
    std::string errorDetail_;
    std::string path_;
    std::vector<std::string> tried_;
};

// For stderr when a module cannot be had: the file and why, or every path looked at. English
// only, as the start-up's own message about the module is.
std::string ModuleFailureText(const ResourceModule& failed);

} // namespace tevano
