#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Fonts, measuring and SVG rendering need a Gui application; no window is shown.
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[14] = "preview_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace
