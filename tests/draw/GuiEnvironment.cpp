// Fonts need a Gui application; the page fonts resolve to their installed stand-ins.
#include "Fonts.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <memory>

namespace {

class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        veridi::registerFontSubstitutions();
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "draw_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace
