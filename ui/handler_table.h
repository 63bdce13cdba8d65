#pragma once
// The handlers a form offers to its layout, by name. The layout names a handler for each event it
// wires; a name that is missing, or that belongs to a handler of another signature, is an error
// of the layout.

#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "ui/events.h"
#include "ui/layout_description.h"

namespace ui {

class Handler_Table {
  public:
    template <typename Form_Class>
    void Add(std::string name, Form_Class& form, void (Form_Class::*method)(Component&)) {
        Map<Notify_Handler>()[std::move(name)] = [&form, method](Component& sender) {
            (form.*method)(sender);
        };
    }
    template <typename Form_Class>
    void Add(std::string name, Form_Class& form,
             void (Form_Class::*method)(Component&, Mouse_Button, Shift_State, int, int)) {
        Map<Mouse_Handler>()[std::move(name)] =
            [&form, method](Component& sender, Mouse_Button button, Shift_State shift, int x,
                            int y) { (form.*method)(sender, button, shift, x, y); };
    }
    template <typename Form_Class>
    void Add(std::string name, Form_Class& form,
             void (Form_Class::*method)(Component&, Shift_State, int, int)) {
        Map<Mouse_Move_Handler>()[std::move(name)] =
            [&form, method](Component& sender, Shift_State shift, int x, int y) {
                (form.*method)(sender, shift, x, y);
            };
    }
    template <typename Form_Class>
    void Add(std::string name, Form_Class& form,
             void (Form_Class::*method)(Component&, WORD&, Shift_State)) {
        Map<Key_Handler>()[std::move(name)] = [&form, method](Component& sender, WORD& key,
                                                              Shift_State shift) {
            (form.*method)(sender, key, shift);
        };
    }
    template <typename Form_Class>
    void Add(std::string name, Form_Class& form, void (Form_Class::*method)(Component&, bool&)) {
        Map<Close_Query_Handler>()[std::move(name)] = [&form, method](Component& sender,
                                                                      bool& can_close) {
            (form.*method)(sender, can_close);
        };
    }

    // The handler of that name and signature, or null.
    template <typename Handler>
    const Handler* Find(std::string_view name) const {
        const auto& map = std::get<Handler_Map<Handler>>(maps_);
        const auto found = map.find(name);
        return found == map.end() ? nullptr : &found->second;
    }

    // Wires `event` to the handler the layout names under `key`, if it names one.
    template <typename Handler>
    void Wire(Event<Handler>& event, const Component_Description& description,
              std::string_view key) const {
        if (!description.Has(key))
            return;
        const std::string name = description.Word(key);
        const Handler* handler = Find<Handler>(name);
        if (!handler)
            description.Fail(nullptr, "no handler " + name + " fits the event " + std::string(key));
        event.handler = name;
        event.call = *handler;
    }

    // The same by name, for wiring done in code.
    template <typename Handler>
    bool Wire(Event<Handler>& event, const std::string& name) const {
        const Handler* handler = Find<Handler>(name);
        if (!handler)
            return false;
        event.handler = name;
        event.call = *handler;
        return true;
    }

  private:
    template <typename Handler>
    using Handler_Map = std::map<std::string, Handler, std::less<>>;

    template <typename Handler>
    Handler_Map<Handler>& Map() {
        return std::get<Handler_Map<Handler>>(maps_);
    }

    std::tuple<Handler_Map<Notify_Handler>, Handler_Map<Mouse_Handler>,
               Handler_Map<Mouse_Move_Handler>, Handler_Map<Key_Handler>,
               Handler_Map<Close_Query_Handler>>
        maps_;
};

}  // namespace ui
