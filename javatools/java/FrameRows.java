// The rows of the variables panel: a frame's locals, this's fields and the
// class's static fields, and, when a row is opened, its elements (an array's,
// a collection's) or fields, a hundred at a time.
import com.sun.jdi.AbsentInformationException;
import com.sun.jdi.ArrayReference;
import com.sun.jdi.ClassType;
import com.sun.jdi.Field;
import com.sun.jdi.LocalVariable;
import com.sun.jdi.ObjectReference;
import com.sun.jdi.ReferenceType;
import com.sun.jdi.StackFrame;
import com.sun.jdi.Value;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.HashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;

final class FrameRows {
    static final int PAGE = 100;

    interface Wire {
        void send(String... fields);
    }

    // What opening a row shows.
    private enum Opening { OPEN, INHERITED, INSIDE }

    private record Opened(Value value, Opening how) {}

    // A row; one that opens into a value's other side (its inherited or
    // inner fields) has its text and id already.
    private record Row(String name, String declared, String signature, Value value, String text, long id) {
        Row(String name, String declared, String signature, Value value) {
            this(name, declared, signature, value, null, 0);
        }
    }

    private final DebugValues values;
    private final Wire wire;
    private final Map<Long, Opened> opened = new HashMap<>();
    private long nextId = 1;

    FrameRows(DebugValues values, Wire wire) {
        this.values = values;
        this.wire = wire;
    }

    // The program runs on: no row of this stop opens any more.
    void forget() {
        opened.clear();
    }

    // Locals first, then this's fields, then the class's static fields. All
    // are read before any is written out: a toString called on the way
    // leaves the frame unusable.
    void frame(int index, StackFrame frame) {
        wire.send("vars", "frame", String.valueOf(index));
        List<Row> rows = new ArrayList<>();
        if (frame != null) {
            try {
                List<LocalVariable> locals = frame.visibleVariables();
                Map<LocalVariable, Value> got = frame.getValues(locals);
                for (LocalVariable local : locals)
                    rows.add(new Row(local.name(), local.typeName(), local.genericSignature(), got.get(local)));
            } catch (AbsentInformationException e) {
                // Compiled without -g: no names to show.
            }
            ObjectReference self = frame.thisObject();
            if (self != null)
                rows.addAll(fieldRows(self, "this."));
            ReferenceType type = frame.location().declaringType();
            for (Field field : type.fields())
                if (field.isStatic() && !field.isSynthetic())
                    rows.add(new Row(JavaText.simpleType(type.name()) + "." + field.name(), field.typeName(),
                                     field.genericSignature(), type.getValue(field)));
        }
        write(rows);
        wire.send("end");
    }

    void expand(long id, int first) {
        wire.send("vars", "expand", String.valueOf(id));
        Opened what = opened.get(id);
        List<Row> rows = new ArrayList<>();
        int next = 0;
        if (what == null) {
            // Asked for after the program went on.
        } else if (what.how() == Opening.OPEN && what.value() instanceof ArrayReference array) {
            int last = Math.min(array.length(), first + PAGE);
            List<Value> items = last > first ? array.getValues(first, last - first) : List.of();
            String type = array.referenceType().name().replaceFirst("\\[\\]$", "");
            for (int i = 0; i < items.size(); ++i)
                rows.add(new Row("[" + (first + i) + "]", type, null, items.get(i)));
            next = last < array.length() ? last : 0;
        } else if (what.how() == Opening.OPEN && what.value() instanceof ObjectReference object
                   && JdkCollections.isCollection(object)) {
            next = elements(object, first, rows);
        } else if (what.how() == Opening.INHERITED || what.how() == Opening.INSIDE) {
            ObjectReference object = (ObjectReference) what.value();
            boolean inherited = what.how() == Opening.INHERITED;
            Set<String> shown = new HashSet<>();
            for (Field field : object.referenceType().allFields())
                if (!field.isStatic() && !field.isSynthetic()
                    && (!inherited || DebugValues.isJdk(field.declaringType())) && shown.add(field.name()))
                    rows.add(new Row(field.name(), field.typeName(), field.genericSignature(), object.getValue(field)));
        } else if (what.value() instanceof ObjectReference object) {
            rows.addAll(fieldRows(object, ""));
        }
        write(rows);
        if (next > 0)
            wire.send("more", String.valueOf(id), String.valueOf(next));
        wire.send("end");
    }

    // A collection's elements from `first` ("[0]", or the key for a map's),
    // and after the last one its own fields, one row away; the next page's
    // first element, 0 when none.
    private int elements(ObjectReference object, int first, List<Row> rows) {
        int[] size = {0};
        List<JdkCollections.Entry> entries;
        try {
            entries = JdkCollections.entries(object, first + PAGE, size, values.invoker(), values.thread());
        } catch (Invoker.Failure e) {
            entries = List.of();
        }
        for (int i = first; i < entries.size(); ++i) {
            JdkCollections.Entry e = entries.get(i);
            Value v = e.value();
            String type = v == null ? "" : v.type().name();
            rows.add(new Row(e.key() != null ? values.text(e.key()) : "[" + i + "]", type, null, v));
        }
        if (first + PAGE < size[0])
            return first + PAGE;
        long id = nextId++;
        opened.put(id, new Opened(object, Opening.INSIDE));
        String simple = JavaText.simpleType(object.referenceType().name());
        rows.add(new Row("(por dentro)", "", null, null, "os campos de " + simple, id));
        return 0;
    }

    // An object's fields. One of a student's class shows its own fields, and
    // those it inherits from the JDK's classes (a JFrame's hundred and more)
    // behind one row that opens into them.
    private List<Row> fieldRows(ObjectReference object, String prefix) {
        List<Row> rows = new ArrayList<>();
        boolean students = !DebugValues.isJdk(object.referenceType());
        int inherited = 0;
        for (Field field : object.referenceType().allFields()) {
            if (field.isStatic() || field.isSynthetic())
                continue;
            if (students && DebugValues.isJdk(field.declaringType()))
                ++inherited;
            else
                rows.add(new Row(prefix + DebugValues.fieldName(object, field), field.typeName(),
                                 field.genericSignature(), object.getValue(field)));
        }
        if (inherited == 0)
            return rows;
        String from = "";
        for (ReferenceType type = object.referenceType(); type instanceof ClassType c; type = c.superclass()) {
            if (DebugValues.isJdk(type)) {
                from = JavaText.simpleType(type.name());
                break;
            }
        }
        long id = nextId++;
        opened.put(id, new Opened(object, Opening.INHERITED));
        rows.add(new Row(prefix + "(herdados de " + from + ")", "", null, null, inherited + " campos", id));
        return rows;
    }

    private void write(List<Row> rows) {
        for (Row row : rows) {
            if (row.text() != null) {
                wire.send("var", row.name(), "", row.text(), String.valueOf(row.id()));
                continue;
            }
            Value value = row.value();
            long id = 0;
            if (DebugValues.opens(value)) {
                id = nextId++;
                opened.put(id, new Opened(value, Opening.OPEN));
            }
            wire.send("var", row.name(), DebugValues.type(row.declared(), row.signature(), value), values.text(value),
                      String.valueOf(id));
        }
    }
}
