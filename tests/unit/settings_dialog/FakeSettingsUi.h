#pragma once
#include "settings_dialog/SettingsUi.h"

#include <vector>

namespace clavora::test {

// The colour picker answers with `answer` (nothing: cancelled) and records where it opened.
class FakeSettingsUi final : public SettingsUi {
public:
    std::optional<Rgb> answer;
    std::vector<Rgb> openedAt;
    std::optional<Rgb> pickColour(Rgb current) override
    {
        openedAt.push_back(current);
        return answer;
    }
};

} // namespace clavora::test
