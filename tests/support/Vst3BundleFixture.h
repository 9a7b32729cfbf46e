#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tools/vst3host/Vst3Session.h"

// Tests of the built VST3 bundle: the module loaded through our test host,
// with one instance made and more on request.
class Vst3BundleFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        session = Vst3Host::Vst3Session::Open(SONDREL_VST3_BUNDLE, error);
        ASSERT_TRUE(session) << error;
    }

    std::unique_ptr<Vst3Host::Vst3Instance> NewInstance()
    {
        std::string error;
        auto instance = session.NewInstance(error);
        EXPECT_TRUE(instance) << error;
        return instance;
    }

    Vst3Host::Vst3Session session;
};
