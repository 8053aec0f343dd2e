#include "framework/ClassRecord.h"

#include "framework/Object.h"

#include <map>

namespace fw {

namespace {

struct Registry {
    std::map<std::string, std::unique_ptr<ClassRecord>, std::less<>> byName;
    std::vector<std::string> order;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

} // namespace

const PropertyRecord* ClassRecord::findProperty(std::string_view name) const
{
    for (const ClassRecord* record = this; record; record = record->parent) {
        for (const PropertyRecord& property : record->properties) {
            if (equalsIgnoringCase(property.name, name))
                return &property;
        }
    }
    return nullptr;
}

const EventRecord* ClassRecord::findEvent(std::string_view name) const
{
    for (const ClassRecord* record = this; record; record = record->parent) {
        for (const EventRecord& event : record->bindableEvents) {
            if (event.name == name)
                return &event;
        }
    }
    return nullptr;
}

bool ClassRecord::isKindOf(const ClassRecord& other) const
{
    for (const ClassRecord* record = this; record; record = record->parent) {
        if (record == &other)
            return true;
        for (const ClassRecord* interface : record->interfaces) {
            if (interface == &other)
                return true;
        }
    }
    return false;
}

const ClassRecord& ClassRecord::define(const char* fullName, const ClassRecord* parent,
    std::vector<const ClassRecord*> interfaces, const std::function<void(ClassRecord&)>& fill)
{
    Registry& r = registry();
    if (auto found = r.byName.find(fullName); found != r.byName.end())
        return *found->second;
    auto record = std::make_unique<ClassRecord>();
    record->fullName = fullName;
    record->parent = parent;
    record->interfaces = std::move(interfaces);
    if (fill)
        fill(*record);
    const ClassRecord& built = *record;
    r.byName.emplace(fullName, std::move(record));
    r.order.push_back(fullName);
    return built;
}

const ClassRecord* ClassRecord::find(std::string_view fullName)
{
    Registry& r = registry();
    auto found = r.byName.find(fullName);
    return found == r.byName.end() ? nullptr : found->second.get();
}

const std::vector<std::string>& ClassRecord::buildOrder()
{
    return registry().order;
}

const ClassRecord& Object::__Lookup()
{
    static const ClassRecord& record = ClassRecord::define("Object", nullptr, {}, nullptr);
    return record;
}

const ClassRecord& Object::classRecord() const
{
    return __Lookup();
}

} // namespace fw
