// The picture of memory at a stop: the shown frame's variables and the
// objects and arrays they reach, in the order a reader meets them (breadth
// first), at most LIMIT of them. Values that are no object of their own to a
// beginner (numbers, strings, boxed numbers, enum constants, null) sit in
// their box; every other value is an arrow to its object, one box per
// object, so two variables holding the same array point at the same box.
//   out: memory <frame>
//        slot <name> <type> <value> <target>       target: an object's id, or 0
//        object <id> <kind> <type> <label>         kind: array, list, map, object
//        cell <name> <value> <target>              the object's cells, after it
//        cellsleft <n>                             cells of that object not sent
//        left <n>                                  objects not sent
//        end
import com.sun.jdi.AbsentInformationException;
import com.sun.jdi.ArrayReference;
import com.sun.jdi.Field;
import com.sun.jdi.LocalVariable;
import com.sun.jdi.ObjectReference;
import com.sun.jdi.StackFrame;
import com.sun.jdi.StringReference;
import com.sun.jdi.Value;
import java.util.ArrayDeque;
import java.util.ArrayList;
import java.util.Deque;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

final class MemoryPicture {
    static final int LIMIT = 50;
    static final int CELLS = 20;

    private record Cell(String name, Value value) {}

    private final DebugValues values;
    private final FrameRows.Wire wire;

    MemoryPicture(DebugValues values, FrameRows.Wire wire) {
        this.values = values;
        this.wire = wire;
    }

    void send(int index, StackFrame frame) {
        wire.send("memory", String.valueOf(index));
        List<Cell> slots = new ArrayList<>();
        List<String> types = new ArrayList<>();
        if (frame != null) {
            try {
                List<LocalVariable> locals = frame.visibleVariables();
                Map<LocalVariable, Value> got = frame.getValues(locals);
                for (LocalVariable local : locals) {
                    slots.add(new Cell(local.name(), got.get(local)));
                    types.add(DebugValues.type(local.typeName(), local.genericSignature(), got.get(local)));
                }
            } catch (AbsentInformationException e) {
                // No names without -g.
            }
            ObjectReference self = frame.thisObject();
            if (self != null) {
                slots.add(new Cell("this", self));
                types.add(JavaText.simpleType(self.referenceType().name()));
            }
        }
        Map<Long, ObjectReference> reached = new LinkedHashMap<>();
        Deque<ObjectReference> queue = new ArrayDeque<>();
        int[] left = {0};
        for (int i = 0; i < slots.size(); ++i)
            wire.send("slot", slots.get(i).name(), types.get(i), inline(slots.get(i).value()),
                      target(slots.get(i).value(), reached, queue, left));
        while (!queue.isEmpty()) {
            ObjectReference object = queue.poll();
            List<Cell> cells = new ArrayList<>();
            int[] total = {0};
            String kind = cellsOf(object, cells, total);
            wire.send("object", String.valueOf(object.uniqueID()), kind, JavaText.simpleType(object.referenceType().name()),
                      label(object, kind, total[0]));
            for (Cell cell : cells)
                wire.send("cell", cell.name(), inline(cell.value()), target(cell.value(), reached, queue, left));
            if (total[0] > cells.size())
                wire.send("cellsleft", String.valueOf(total[0] - cells.size()));
        }
        if (left[0] > 0)
            wire.send("left", String.valueOf(left[0]));
        wire.send("end");
    }

    private static boolean isObject(Value value) {
        return value instanceof ObjectReference object && !(value instanceof StringReference)
               && DebugValues.boxed(object) == null && !isEnum(object);
    }

    private static boolean isEnum(ObjectReference object) {
        return object.referenceType() instanceof com.sun.jdi.ClassType c && c.superclass() != null
               && c.superclass().name().equals("java.lang.Enum");
    }

    private String inline(Value value) {
        return isObject(value) ? "" : values.text(value);
    }

    // The id of the value's box, the box queued when it is new and there is
    // room; an object beyond the limit is counted, not drawn.
    private static String target(Value value, Map<Long, ObjectReference> reached, Deque<ObjectReference> queue,
                                 int[] left) {
        if (!isObject(value))
            return "0";
        ObjectReference object = (ObjectReference) value;
        long id = object.uniqueID();
        if (!reached.containsKey(id)) {
            if (reached.size() >= LIMIT) {
                ++left[0];
                reached.put(id, null);
            } else {
                reached.put(id, object);
                queue.add(object);
            }
        }
        return reached.get(id) == null ? "0" : String.valueOf(id);
    }

    private String cellsOf(ObjectReference object, List<Cell> cells, int[] total) {
        if (object instanceof ArrayReference array) {
            total[0] = array.length();
            int n = Math.min(array.length(), CELLS);
            List<Value> items = n > 0 ? array.getValues(0, n) : List.of();
            for (int i = 0; i < items.size(); ++i)
                cells.add(new Cell("[" + i + "]", items.get(i)));
            return "array";
        }
        if (JdkCollections.isCollection(object)) {
            boolean map = JdkCollections.isMap(object);
            try {
                List<JdkCollections.Entry> entries =
                    JdkCollections.entries(object, CELLS, total, values.invoker(), values.thread());
                for (int i = 0; i < entries.size(); ++i) {
                    JdkCollections.Entry e = entries.get(i);
                    cells.add(new Cell(map ? values.text(e.key()) : "[" + i + "]", e.value()));
                }
            } catch (Invoker.Failure e) {
                // Drawn as its kind only.
            }
            return map ? "map" : "list";
        }
        if (!DebugValues.isJdk(object.referenceType())) {
            List<Field> fields = DebugValues.ownFields(object);
            Map<Field, Value> got = object.getValues(fields);
            for (Field f : fields)
                cells.add(new Cell(DebugValues.fieldName(object, f), got.get(f)));
            total[0] = cells.size();
        }
        return "object";
    }

    // Under the box's type: how many elements, or what toString says (an
    // object of the JDK's that is no collection has only this).
    private String label(ObjectReference object, String kind, int total) {
        if (!kind.equals("object"))
            return JavaText.count(total, kind.equals("map"));
        String text = values.text(object);
        String simple = JavaText.simpleType(object.referenceType().name());
        return text.equals(simple) || text.startsWith(simple + " {") ? "" : text;
    }
}
