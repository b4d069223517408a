#pragma once
// The handle maps through which messages find their objects (internal to the framework).
#include <windows.h>

#include <unordered_map>

class CWnd;
class CMenu;

template <typename Handle, typename Object> class HandleMap {
public:
    Object* Find(Handle handle) const {
        const auto found = map_.find(handle);
        return found == map_.end() ? nullptr : found->second;
    }
    // False when the handle already has an object.
    bool Add(Handle handle, Object* object) { return map_.emplace(handle, object).second; }
    void Remove(Handle handle) { map_.erase(handle); }

    template <typename Visit> void ForEach(Visit visit) const {
        for (const auto& [handle, object] : map_) {
            visit(handle, object);
        }
    }

private:
    std::unordered_map<Handle, Object*> map_;
};

// Never destroyed, so that objects with static storage can still detach at exit.
HandleMap<HWND, CWnd>& WindowHandleMap();
HandleMap<HMENU, CMenu>& MenuHandleMap();
