// The exported calls of ztv_inet.dll: objects kept in tables under ids.
#include "lang/ztv_inet/ztv_inet.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "lang/ztv_inet/InfoCheck_win.h"
#include "lang/ztv_inet/UpdateCheck_win.h"

namespace zentrova::inet {
namespace {

constexpr int32_t kOk = 0;
constexpr int32_t kBadArgument = -3;

struct UpdateManager {
    ProductInfo info;
};

// The library's objects. Calls come from the program's user-interface thread; the lock keeps
// the tables sound should another thread call too.
struct Tables {
    std::mutex lock;
    uint32_t nextId = 1;
    std::map<uint32_t, std::unique_ptr<InfoCheck>> infoChecks;
    std::map<uint32_t, std::unique_ptr<UpdateManager>> updates;
};

Tables& GetTables() {
    static Tables tables;
    return tables;
}

template <typename T>
T* Find(std::map<uint32_t, std::unique_ptr<T>>& table, uint32_t id) {
    std::lock_guard<std::mutex> hold(GetTables().lock);
    const auto it = table.find(id);
    return it == table.end() ? nullptr : it->second.get();
}

template <typename T>
uint32_t Add(std::map<uint32_t, std::unique_ptr<T>>& table) {
    Tables& t = GetTables();
    std::lock_guard<std::mutex> hold(t.lock);
    const uint32_t id = t.nextId++;
    if (t.nextId == 0) {
        t.nextId = 1;
    }
    table[id] = std::make_unique<T>();
    return id;
}

template <typename T>
int32_t Remove(std::map<uint32_t, std::unique_ptr<T>>& table, uint32_t id) {
    std::unique_ptr<T> gone;
    {
        std::lock_guard<std::mutex> hold(GetTables().lock);
        const auto it = table.find(id);
        if (it == table.end()) {
            return kZinetBadHandle;
        }
        gone = std::move(it->second);
        table.erase(it);
    }
    return kOk;  // destroyed here, outside the lock
}

ProductInfo* InfoOf(uint32_t id, bool update) {
    if (update) {
        UpdateManager* u = Find(GetTables().updates, id);
        return u != nullptr ? &u->info : nullptr;
    }
    InfoCheck* c = Find(GetTables().infoChecks, id);
    return c != nullptr ? &c->info : nullptr;
}

// Text values are short: anything longer than this is refused.
constexpr size_t kMaxValueChars = 256;

int32_t SetText(uint32_t id, bool update, const char* text, std::string ProductInfo::*field) {
    ProductInfo* info = InfoOf(id, update);
    if (info == nullptr) {
        return kZinetBadHandle;
    }
    if (text == nullptr) {
        return kBadArgument;
    }
    std::string value(text, strnlen(text, kMaxValueChars + 1));
    if (value.size() > kMaxValueChars) {
        return kBadArgument;
    }
    info->*field = std::move(value);
    return kOk;
}

int32_t SetKey(uint32_t id, bool update, HKEY root, const wchar_t* key) {
    ProductInfo* info = InfoOf(id, update);
    if (info == nullptr) {
        return kZinetBadHandle;
    }
    if (root == nullptr || key == nullptr || wcsnlen(key, 256) >= 256) {
        return kBadArgument;
    }
    info->root = root;
    info->key = key;
    return kOk;
}

}  // namespace
}  // namespace zentrova::inet

using namespace zentrova::inet;

ZINET_API int32_t ZINET_CALL zinet_Init(void) {
    return 0;
}

ZINET_API uint32_t ZINET_CALL zinet_InfoCheckCreate(void) {
    return Add(GetTables().infoChecks);
}

ZINET_API int32_t ZINET_CALL zinet_InfoCheckSetRegistryKey(uint32_t id, HKEY root,
                                                           const wchar_t* key) {
    return SetKey(id, false, root, key);
}
ZINET_API int32_t ZINET_CALL zinet_InfoCheckSetProduct(uint32_t id, const char* text) {
    return SetText(id, false, text, &ProductInfo::product);
}
ZINET_API int32_t ZINET_CALL zinet_InfoCheckSetProductVersion(uint32_t id, const char* text) {
    return SetText(id, false, text, &ProductInfo::version);
}
ZINET_API int32_t ZINET_CALL zinet_InfoCheckSetProductEdition(uint32_t id, const char* text) {
    return SetText(id, false, text, &ProductInfo::edition);
}
ZINET_API int32_t ZINET_CALL zinet_InfoCheckSetProductLang(uint32_t id, const char* text) {
    return SetText(id, false, text, &ProductInfo::lang);
}
ZINET_API int32_t ZINET_CALL zinet_InfoCheckSetParentWindow(uint32_t id, HWND parent) {
    InfoCheck* check = Find(GetTables().infoChecks, id);
    if (check == nullptr) {
        return kZinetBadHandle;
    }
    check->parent = parent;
    return 0;
}
ZINET_API int32_t ZINET_CALL zinet_InfoCheckStartAllAuto(uint32_t id) {
    InfoCheck* check = Find(GetTables().infoChecks, id);
    if (check == nullptr) {
        return kZinetBadHandle;
    }
    return check->Start() ? 0 : 1;
}
ZINET_API int32_t ZINET_CALL zinet_InfoCheckDoConfig(uint32_t id, HWND owner) {
    InfoCheck* check = Find(GetTables().infoChecks, id);
    if (check == nullptr) {
        return kZinetBadHandle;
    }
    check->Configure(owner);
    return 0;
}
ZINET_API int32_t ZINET_CALL zinet_InfoCheckAbort(uint32_t id) {
    InfoCheck* check = Find(GetTables().infoChecks, id);
    if (check == nullptr) {
        return kZinetBadHandle;
    }
    check->Abort();
    return 0;
}
ZINET_API int32_t ZINET_CALL zinet_InfoCheckDestroy(uint32_t id) {
    return Remove(GetTables().infoChecks, id);
}

ZINET_API uint32_t ZINET_CALL zinet_UpdateManagerCreate(void) {
    return Add(GetTables().updates);
}
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerSetRegistryKey(uint32_t id, HKEY root,
                                                               const wchar_t* key) {
    return SetKey(id, true, root, key);
}
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerSetProduct(uint32_t id, const char* text) {
    return SetText(id, true, text, &ProductInfo::product);
}
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerSetProductVersion(uint32_t id, const char* text) {
    return SetText(id, true, text, &ProductInfo::version);
}
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerSetProductEdition(uint32_t id, const char* text) {
    return SetText(id, true, text, &ProductInfo::edition);
}
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerSetProductLang(uint32_t id, const char* text) {
    return SetText(id, true, text, &ProductInfo::lang);
}
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerDoModalCheck(uint32_t id, HWND owner,
                                                             uint32_t flags) {
    UpdateManager* update = Find(GetTables().updates, id);
    if (update == nullptr) {
        return kZinetBadHandle;
    }
    const ProductInfo info = update->info;  // the object may be destroyed while the dialog runs
    return RunUpdateCheck(info, owner, flags);
}
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerDestroy(uint32_t id) {
    return Remove(GetTables().updates, id);
}
