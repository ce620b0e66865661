#include "WindowName.h"

namespace forms {

void AttachWindowName(HWND window, const std::string& name) {
    const ATOM atom = GlobalAddAtomA(name.c_str());
    if (atom)
        SetPropA(window, kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)));
}

void DetachWindowName(HWND window) {
    const ATOM atom =
        static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(RemovePropA(window, kNameProperty)));
    if (atom)
        GlobalDeleteAtom(atom);
}

std::string WindowNameOf(HWND window) {
    const ATOM atom =
        static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(window, kNameProperty)));
    if (!atom)
        return {};
    char buffer[256] = {};
    const UINT length = GlobalGetAtomNameA(atom, buffer, sizeof buffer);
    return std::string(buffer, length);
}

namespace {

struct Search {
    const std::string* name;
    HWND found;
};

BOOL CALLBACK CheckChild(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    if (WindowNameOf(window) == *search->name) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FindNamedWindow(HWND root, const std::string& name) {
    if (WindowNameOf(root) == name)
        return root;
    // EnumChildWindows walks all descendants, depth first.
    Search search{&name, nullptr};
    EnumChildWindows(root, CheckChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace forms
