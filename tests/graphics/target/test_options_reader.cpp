// What every kind of object reads first from its option string: each is
// created in a plain host, and where it lies is read from the hit region it
// asks the host for.
#include "view_test_util.h"
#include "vqcontrols.h"
#include "vqminor.h"
#include "vqterminal.h"

#include <memory>
#include <string>
#include <vector>

namespace {

// Objects made by a case live until its end.
using Keep = std::vector<std::shared_ptr<void>>;

// Each kind's create function with the options as its whole string.
bool panel(vqView* v, const char* o) { return vqgraphic_create(v, "%s", o); }
bool terminal(vqTerminal* t, const char* o) { return vqterm_create(t, "%s", o); }
bool button(vqButton* b, const char* o) { return vqbutton_create(b, "%s", o); }
bool updown(vqUpDownControl* c, const char* o) { return vqupdown_create(c, "%s", o); }
bool hyperlink(vqLink* c, const char* o) { return vqlink_create(c, "%s", o); }
bool listbox(vqChoice* c, const char* o) { return vqchoice_create(c, VQCHOICE_LIST, "%s", o); }

template <class T, bool (*Create)(T*, const char*)>
bool made(Keep* keep, const char* options) {
  auto object = std::make_shared<T>();
  keep->push_back(object);
  return Create(object.get(), options);
}

template <class T>
int border_of(const void* object) {
  return static_cast<const T*>(object)->border;
}

struct Kind {
  const char* name;
  bool labelled;   // token 0 is the label
  bool (*create)(Keep*, const char*);
  int (*border)(const void* object);   // null for a kind without a border
  int default_border;
};

const Kind kKinds[] = {
    {"panel", false, made<vqView, panel>, border_of<vqView>, 0},
    {"terminal", false, made<vqTerminal, terminal>, border_of<vqTerminal>, 1},
    {"button", true, made<vqButton, button>, border_of<vqButton>, 1},
    {"up-down", false, made<vqUpDownControl, updown>, border_of<vqUpDownControl>, 1},
    {"link", true, made<vqLink, hyperlink>, nullptr, 0},
    {"list box", false, made<vqChoice, listbox>, nullptr, 0},
};

struct Place {
  int x, y, w, h;
  bool operator==(const Place&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Place& p) {
  return out << p.x << "," << p.y << " " << p.w << "x" << p.h;
}

// Creates one object of the kind with the options and returns the region it
// asked for.
Place place_of(const Kind& kind, TestHost* host, Keep* keep, const std::string& options) {
  const size_t before = host->added.size();
  EXPECT_TRUE(kind.create(keep, options.c_str())) << kind.name << ": " << options;
  if (host->added.size() != before + 1) {
    ADD_FAILURE() << kind.name << " asked for " << host->added.size() - before << " regions: " << options;
    return {};
  }
  const vqregion_request& r = host->added.back();
  return {r.x, r.y, r.w, r.h};
}

std::string with_label(const Kind& kind, const std::string& options) {
  return kind.labelled ? "Label," + options : options;
}

TEST(OptionsReader, EveryKindPassesOverWrongOptionsAndStillReadsItsPlace) {
  for (const Kind& kind : kKinds) {
    TestHost host;
    Keep keep;
    const std::string clean = with_label(kind, "x=5,y=7,xs=61,ys=33");
    EXPECT_EQ(place_of(kind, &host, &keep, clean), (Place{5, 7, 61, 33})) << kind.name;
    for (const char* wrong : {"frobnicate", "wibble=3", "", "xs", "y", "=12", "  "}) {
      const std::string options = with_label(kind, std::string(wrong) + ",x=5,y=7,xs=61,ys=33," + wrong);
      EXPECT_EQ(place_of(kind, &host, &keep, options), (Place{5, 7, 61, 33})) << kind.name << ": " << options;
    }
  }
}

TEST(OptionsReader, ASizeWithoutANumberIsTakenAsNotGiven) {
  for (const Kind& kind : kKinds) {
    TestHost host;
    Keep keep;
    const Place plain = place_of(kind, &host, &keep, with_label(kind, "x=5,y=7"));
    EXPECT_EQ(place_of(kind, &host, &keep, with_label(kind, "x=5,y=7,xs=wide,ys=tall")), plain) << kind.name;
    // A control has a size of its own; a panel only the one it is given.
    if (std::string(kind.name) != "panel") {
      EXPECT_TRUE(plain.w > 0 && plain.h > 0) << kind.name << " " << plain;
    }
  }
}

TEST(OptionsReader, TheLabelIsNeverReadAsAnOption) {
  for (const Kind& kind : kKinds) {
    TestHost host;
    Keep keep;
    const Place p = place_of(kind, &host, &keep, "xs=300,y=9");
    EXPECT_EQ(p.y, 9) << kind.name;
    EXPECT_EQ(p.w == 300, !kind.labelled) << kind.name << " " << p;
  }
}

TEST(OptionsReader, AnEmptyOptionStringKeepsNothingOfTheObjectMadeBefore) {
  for (const Kind& kind : kKinds) {
    TestHost host;
    Keep keep;
    // The first border keyword wins; the second is left in that list.
    place_of(kind, &host, &keep, with_label(kind, "x=5,y=7,xs=61,ys=33,greyed,border=3,border=5"));
    const Place p = place_of(kind, &host, &keep, "");
    EXPECT_EQ(p.x, 0) << kind.name;
    EXPECT_EQ(p.y, 0) << kind.name;
    EXPECT_NE(p.w, 61) << kind.name;
    if (kind.border != nullptr) {
      EXPECT_EQ(kind.border(keep.back().get()), kind.default_border) << kind.name;
    }
  }
}

}  // namespace
