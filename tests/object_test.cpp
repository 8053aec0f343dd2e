#include "framework/ClassRecord.h"
#include "framework/Event.h"
#include "framework/Object.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace fw;

namespace {

std::vector<std::string> destroyed;

class Tracked : public Object {
public:
    ~Tracked() override { destroyed.push_back(name); }
    void Constructor(std::string n) { name = std::move(n); }
    std::string name;
    Ref<Object> held;
};

class Derived : public Tracked { };

TEST(Ref, RetainsOnStoreAndReleasesOnOverwriteAndScopeEnd)
{
    destroyed.clear();
    {
        Ref<Tracked> a = New<Tracked>("a");
        EXPECT_EQ(a->refCount(), 1);
        Ref<Tracked> b = a;
        EXPECT_EQ(a->refCount(), 2);
        b = New<Tracked>("b");
        EXPECT_EQ(a->refCount(), 1);
        EXPECT_TRUE(destroyed.empty());
        b = nullptr;
        EXPECT_EQ(destroyed, std::vector<std::string> { "b" });
    }
    EXPECT_EQ(destroyed, (std::vector<std::string> { "b", "a" }));
}

TEST(Ref, SelfAssignmentOfTheLastReferenceKeepsTheObject)
{
    destroyed.clear();
    Ref<Tracked> a = New<Tracked>("a");
    Ref<Tracked>& alias = a;
    a = alias;
    EXPECT_TRUE(destroyed.empty());
    EXPECT_EQ(a->name, "a");
}

TEST(Ref, DestructorReleasesWhatItHolds)
{
    destroyed.clear();
    {
        Ref<Tracked> outer = New<Tracked>("outer");
        outer->held = New<Tracked>("inner");
    }
    EXPECT_EQ(destroyed, (std::vector<std::string> { "outer", "inner" }));
}

TEST(Ref, CycleIsFreedOnceOneSideReleases)
{
    destroyed.clear();
    {
        Ref<Tracked> list = New<Tracked>("list");
        Ref<Tracked> cell = New<Tracked>("cell");
        list->held = cell;
        cell->held = list;
        list->held = nullptr; // the row is removed
    }
    EXPECT_EQ(destroyed, (std::vector<std::string> { "cell", "list" }));
}

TEST(Ref, NilUseRaisesNilObjectException)
{
    Ref<Tracked> nil;
    EXPECT_THROW((void)nil->name, NilObjectException);
    EXPECT_THROW(*nil, NilObjectException);
    try {
        (void)nil->name;
    } catch (const RuntimeException& e) {
        EXPECT_STREQ(e.className(), "NilObjectException");
        EXPECT_FALSE(e.Message.isEmpty());
    }
}

TEST(Ref, CastTestsTheClass)
{
    Ref<Object> plain = New<Tracked>("t");
    Ref<Object> derived = New<Derived>();
    EXPECT_TRUE(IsA<Tracked>(plain));
    EXPECT_FALSE(IsA<Derived>(plain));
    EXPECT_FALSE(IsA<Tracked>(Ref<Object>()));
    EXPECT_EQ(Cast<Tracked>(derived).get(), derived.get());
    EXPECT_THROW(Cast<Derived>(plain), IllegalCastException);
    EXPECT_TRUE(Cast<Derived>(Ref<Object>()).isNil());
}

// Records built by lookups: parents and interfaces come first, and a record is built once.
struct Iface {
    static const ClassRecord& __Lookup()
    {
        static const ClassRecord& r = ClassRecord::define("test.Iface", nullptr, {}, nullptr);
        return r;
    }
};
struct Parent {
    static const ClassRecord& __Lookup()
    {
        static const ClassRecord& r = ClassRecord::define("test.Parent", &Object::__Lookup(), {}, nullptr);
        return r;
    }
};
struct Child {
    static const ClassRecord& __Lookup()
    {
        static const ClassRecord& r = ClassRecord::define(
            "test.Child", &Parent::__Lookup(), { &Iface::__Lookup() }, [](ClassRecord& c) {
                c.methods.push_back({ "Go", "%%" });
            });
        return r;
    }
};

TEST(ClassRecord, LookupBuildsParentAndInterfacesFirstAndOnlyOnce)
{
    const ClassRecord& child = Child::__Lookup();
    const auto& order = ClassRecord::buildOrder();
    auto position
        = [&](const char* name) { return std::find(order.begin(), order.end(), name) - order.begin(); };
    EXPECT_LT(position("test.Parent"), position("test.Child"));
    EXPECT_LT(position("test.Iface"), position("test.Child"));
    const size_t before = order.size();
    EXPECT_EQ(&Child::__Lookup(), &child);
    EXPECT_EQ(&ClassRecord::define("test.Child", nullptr, {}, nullptr), &child);
    EXPECT_EQ(order.size(), before);
    EXPECT_TRUE(child.isKindOf(Iface::__Lookup()));
    EXPECT_TRUE(child.isKindOf(Object::__Lookup()));
    EXPECT_EQ(ClassRecord::find("test.Child"), &child);
    EXPECT_EQ(child.methods.at(0).signature, "%%");
}

TEST(Event, UnboundEventsGiveFalse)
{
    Event<bool(int32_t, int32_t)> mouseDown;
    Event<void()> open;
    EXPECT_FALSE(mouseDown(1, 2));
    open();
    int calls = 0;
    mouseDown.bind([&](int32_t x, int32_t y) {
        ++calls;
        return y < x;
    });
    EXPECT_TRUE(mouseDown(5, 2));
    EXPECT_EQ(calls, 1);
}

} // namespace
