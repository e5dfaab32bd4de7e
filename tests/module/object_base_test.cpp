#include <gtest/gtest.h>

#include "module/unknown_imp.h"

namespace kt {
namespace {

constexpr Guid kIID_Widget = {0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 8}};
constexpr Guid kIID_Other = {0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 9}};

struct IWidget : IUnknown {
  virtual int KT_STDCALL Value() = 0;

 protected:
  ~IWidget() = default;
};

// What happened to the test objects, so a test can look after they are gone.
struct Events {
  int destroyed = 0;
  int finalReleased = 0;
};

class Widget : public CUnknownIMP, public IWidget {
 public:
  Widget(Events* events, HResult finalConstructResult = kSOk)
      : events_(events), finalConstructResult_(finalConstructResult) {}
  ~Widget() override { ++events_->destroyed; }

  KT_FORWARD_IUNKNOWN_TO(CUnknownIMP)
  int KT_STDCALL Value() override { return 42; }

  HResult InternalQueryInterface(const Guid& iid, void** out) override {
    if (out == nullptr) return kEPointer;
    if (iid == IID_IUnknown) return Answer(PrimaryUnknown(), out);
    if (iid == kIID_Widget) return Answer(static_cast<IWidget*>(this), out);
    return NoInterface(out);
  }
  HResult FinalConstruct() override {
    countDuringFinalConstruct = RefCountForTesting();
    return finalConstructResult_;
  }
  void FinalRelease() override { ++events_->finalReleased; }

  int countDuringFinalConstruct = -1;

 private:
  Events* events_;
  HResult finalConstructResult_;
};

// An outer object that only counts; it stands for the aggregating object.
class CountingOuter final : public IUnknown {
 public:
  HResult KT_STDCALL QueryInterface(const Guid&, void** out) override {
    *out = nullptr;
    return kENoInterface;
  }
  ULong KT_STDCALL AddRef() override { return static_cast<ULong>(++count); }
  ULong KT_STDCALL Release() override { return static_cast<ULong>(--count); }
  int count = 1;
};

TEST(ObjectBase, NonAggregatedObjectStartsWithOneReferenceAndDiesOnLastRelease) {
  Events events;
  IUnknown* unknown = nullptr;
  ASSERT_EQ(CreateAggregatable<Widget>(nullptr, &unknown, &events), kSOk);
  ASSERT_NE(unknown, nullptr);

  IWidget* widget = nullptr;
  ASSERT_EQ(unknown->QueryInterface(kIID_Widget, reinterpret_cast<void**>(&widget)), kSOk);
  EXPECT_EQ(widget->Value(), 42);
  EXPECT_EQ(widget->AddRef(), 3u);  // secondary interfaces count on the whole object
  EXPECT_EQ(unknown->Release(), 2u);
  EXPECT_EQ(widget->Release(), 1u);
  EXPECT_EQ(events.destroyed, 0);
  EXPECT_EQ(widget->Release(), 0u);
  EXPECT_EQ(events.destroyed, 1);
  EXPECT_EQ(events.finalReleased, 1);
}

TEST(ObjectBase, QueryForIUnknownThroughAnyInterfaceGivesThePrimaryInterface) {
  Events events;
  IUnknown* unknown = nullptr;
  ASSERT_EQ(CreateAggregatable<Widget>(nullptr, &unknown, &events), kSOk);
  IWidget* widget = nullptr;
  ASSERT_EQ(unknown->QueryInterface(kIID_Widget, reinterpret_cast<void**>(&widget)), kSOk);
  IUnknown* again = nullptr;
  ASSERT_EQ(widget->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&again)), kSOk);
  EXPECT_EQ(again, unknown);
  EXPECT_NE(static_cast<void*>(again), static_cast<void*>(widget));
  again->Release();
  widget->Release();
  EXPECT_EQ(unknown->Release(), 0u);
}

TEST(ObjectBase, UnknownIdentifierWritesNullAndChangesNoCount) {
  Events events;
  IUnknown* unknown = nullptr;
  ASSERT_EQ(CreateAggregatable<Widget>(nullptr, &unknown, &events), kSOk);
  void* out = &events;
  EXPECT_EQ(unknown->QueryInterface(kIID_Other, &out), kENoInterface);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(unknown->QueryInterface(kIID_Widget, nullptr), kEPointer);
  EXPECT_EQ(unknown->QueryInterface(IID_IUnknown, nullptr), kEPointer);
  EXPECT_EQ(unknown->Release(), 0u);
}

TEST(ObjectBase, FinalConstructRunsInsideATemporaryCount) {
  Events events;
  Widget* widget = nullptr;
  ASSERT_EQ(ConstructObject(&widget, &events), kSOk);
  EXPECT_EQ(widget->countDuringFinalConstruct, 1);
  EXPECT_EQ(widget->RefCountForTesting(), 0);  // the bracket's decrement destroys nothing
  IUnknown* unknown = nullptr;
  ASSERT_EQ(widget->SetupAggregation(nullptr, &unknown), kSOk);
  EXPECT_EQ(unknown->Release(), 0u);
  EXPECT_EQ(events.destroyed, 1);
}

TEST(ObjectBase, FailingFinalConstructDestroysWithoutFinalRelease) {
  Events events;
  const HResult failure = static_cast<HResult>(0x80001234u);
  IUnknown* unknown = reinterpret_cast<IUnknown*>(&events);
  EXPECT_EQ(CreateAggregatable<Widget>(nullptr, &unknown, &events, failure), failure);
  EXPECT_EQ(events.destroyed, 1);
  EXPECT_EQ(events.finalReleased, 0);
}

TEST(ObjectBase, SetupAggregationRefusesAnObjectThatIsAlreadyReferenced) {
  Events events;
  Widget* widget = nullptr;
  ASSERT_EQ(ConstructObject(&widget, &events), kSOk);
  IUnknown* first = nullptr;
  ASSERT_EQ(widget->SetupAggregation(nullptr, &first), kSOk);
  IUnknown* second = first;
  EXPECT_EQ(widget->SetupAggregation(nullptr, &second), kEFail);
  EXPECT_EQ(second, nullptr);
  EXPECT_EQ(widget->SetupAggregation(nullptr, nullptr), kEPointer);
  EXPECT_EQ(first->Release(), 0u);
}

TEST(ObjectBase, AggregatedObjectCountsOnTheOuterAndLivesAsLongAsItsInnerUnknown) {
  Events events;
  CountingOuter outer;
  IUnknown* inner = nullptr;
  ASSERT_EQ(CreateAggregatable<Widget>(&outer, &inner, &events), kSOk);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(outer.count, 1);

  // A query through the inner unknown adds its reference to the outer object.
  IWidget* widget = nullptr;
  ASSERT_EQ(inner->QueryInterface(kIID_Widget, reinterpret_cast<void**>(&widget)), kSOk);
  EXPECT_EQ(outer.count, 2);
  widget->AddRef();
  EXPECT_EQ(outer.count, 3);
  widget->Release();
  widget->Release();
  EXPECT_EQ(outer.count, 1);

  // Queries through the object's own interfaces go to the outer object.
  void* out = &events;
  EXPECT_EQ(widget->QueryInterface(kIID_Widget, &out), kENoInterface);
  EXPECT_EQ(out, nullptr);

  // The inner unknown answers unknown identifiers itself and changes no count.
  EXPECT_EQ(inner->QueryInterface(kIID_Other, &out), kENoInterface);
  EXPECT_EQ(outer.count, 1);

  EXPECT_EQ(events.destroyed, 0);
  EXPECT_EQ(inner->Release(), 0u);
  EXPECT_EQ(events.destroyed, 1);
  EXPECT_EQ(events.finalReleased, 0);  // the inner unknown destroys the object directly
  EXPECT_EQ(outer.count, 1);
}

}  // namespace
}  // namespace kt
