#pragma once

#include "app/window/Form1.h"
#include "fakes/FakePlatform.h"
#include "support/FakeChance.h"

// Form1 on the fakes, the way the logic suites drive the handlers: a case reaches the fakes as
// fake.listView1, the handlers as fake.form.PushButton7_Click(), and the start-up's draw as
// fake.chance.
struct Form1OnFakes : FakePlatform
{
    explicit Form1OnFakes(const AppConfig& config = AppConfig{}, double draw = 0.5)
        : chance(draw)
        , form(services(), config, chance)
    {}

    FakeChance chance;
    Form1 form;
};
