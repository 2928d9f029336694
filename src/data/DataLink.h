#pragma once

namespace ravik {

class DataSource;
class Field;

// What a dataset tells the controls bound to it.
enum class DataEvent {
    ActiveChanged,  // opened or closed
    StateChanged,   // browse, edit, insert
    DataSetChanged, // the view's rows changed (filter, post, cancel, delete, enable controls)
    Scrolled,       // another record became current
    FieldChanged,   // one field of the current record took a new value (field given)
    UpdateRecord,   // hand pending text to the fields now; may throw to refuse
};

// A bound control's end of a data source.
class DataLink {
public:
    virtual ~DataLink();
    virtual void dataEvent(DataEvent event, Field* field) = 0;
    DataSource* dataSource() const { return source_; }

private:
    friend class DataSource;
    DataSource* source_ = nullptr;
};

} // namespace ravik
