// The handlers the program calls, gathered as the form is written.
#include "extended/event_handlers.h"

#include <algorithm>

#include "lib/text.h"

namespace vornic {

namespace {

template <typename T>
void AddOnce(std::vector<T>& list, const T& item) {
  if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

}  // namespace

const Handler* EventHandlers::Use(const std::string& name, Parameters parameters,
                                  const std::string& source, const std::string& through,
                                  bool clicks) {
  const auto [found, added] = index_.try_emplace(UpperText(name), handlers_.size());
  if (added)
    handlers_.push_back(
        Handler{.name = name, .parameters = parameters, .uses = {}, .clicks = false});
  Handler& handler = handlers_[found->second];
  if (handler.parameters != parameters) return nullptr;
  handler.clicks = handler.clicks || clicks;
  auto use = std::find_if(handler.uses.begin(), handler.uses.end(),
                          [&](const HandlerUse& known) { return known.source == source; });
  if (use == handler.uses.end()) {
    handler.uses.push_back(HandlerUse{source, {}});
    use = handler.uses.end() - 1;
  }
  if (!through.empty()) AddOnce(use->through, through);
  return &handler;
}

}  // namespace vornic
