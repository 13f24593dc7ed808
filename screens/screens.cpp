// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "form7.h"
#include "form8.h"

#include <stdexcept>

namespace duset {

namespace {

template<typename Offer> Offer &offerOf(ScreenRegistry &screens, ScreenId id)
{
    auto *offer = dynamic_cast<Offer *>(&screens[id]);
    if (!offer)
        throw std::logic_error("a screen does not offer what another asks of it");
    return *offer;
}

// Makes the single instance of a screen when its registry slot is first used.
std::unique_ptr<Screen> createScreen(ScreenRegistry &screens, ScreenId id)
{
    switch (id) {
    case ScreenId::Form1:
        return std::make_unique<Form1>(screens);
    case ScreenId::Form2:
        return std::make_unique<Form2>(screens);
    case ScreenId::Form3:
        return std::make_unique<Form3>(screens);
    case ScreenId::Form4:
        return std::make_unique<Form4>(screens);
    case ScreenId::Form5:
        return std::make_unique<Form5>(screens);
    case ScreenId::Form6:
        return std::make_unique<Form6>(screens);
    case ScreenId::Form7:
        return std::make_unique<Form7>(screens);
    case ScreenId::Form8:
        return std::make_unique<Form8>(screens);
    }
    return nullptr;
}

} // namespace

ScreenRegistry::ScreenList programScreens()
{
    return {.count = AllScreens.size(), .home = MainMenu, .create = createScreen};
}

EntryLists &entryLists(ScreenRegistry &screens)
{
    return offerOf<EntryLists>(screens, EntryScreen);
}

BirthDateFinder &birthDateFinder(ScreenRegistry &screens)
{
    return offerOf<BirthDateFinder>(screens, DateScreen);
}

VerseMeanings &verseMeanings(ScreenRegistry &screens)
{
    return offerOf<VerseMeanings>(screens, MeaningScreen);
}

} // namespace duset
