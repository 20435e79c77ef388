// The elements of the JDK's lists, sets and maps of a paused program, read
// from their fields for the common kinds (no code of the program runs, and
// nothing in it changes), through toArray() on the stopped thread for the
// others.
import com.sun.jdi.ArrayReference;
import com.sun.jdi.ClassType;
import com.sun.jdi.Field;
import com.sun.jdi.IntegerValue;
import com.sun.jdi.InterfaceType;
import com.sun.jdi.Method;
import com.sun.jdi.ObjectReference;
import com.sun.jdi.ReferenceType;
import com.sun.jdi.ThreadReference;
import com.sun.jdi.Value;
import java.util.ArrayDeque;
import java.util.ArrayList;
import java.util.Deque;
import java.util.List;

final class JdkCollections {
    // An element; `key` is set for a map's entry.
    record Entry(Value key, Value value) {}

    private JdkCollections() {
    }

    static boolean isMap(ObjectReference object) {
        return implementsInterface(object.referenceType(), "java.util.Map");
    }

    // A list, set, queue or map of the JDK's (not a student's own class).
    static boolean isCollection(ObjectReference object) {
        ReferenceType type = object.referenceType();
        return DebugValues.isJdk(type) && (implementsInterface(type, "java.util.Collection")
                                           || implementsInterface(type, "java.util.Map"));
    }

    private static boolean implementsInterface(ReferenceType type, String name) {
        if (!(type instanceof ClassType c))
            return false;
        for (InterfaceType i : c.allInterfaces())
            if (i.name().equals(name))
                return true;
        return false;
    }

    // At most `limit` entries from the first; `size` gets how many there are.
    static List<Entry> entries(ObjectReference object, int limit, int[] size, Invoker invoker, ThreadReference thread)
            throws Invoker.Failure {
        List<Entry> out = new ArrayList<>();
        String name = object.referenceType().name();
        switch (name) {
            case "java.util.ArrayList", "java.util.Vector", "java.util.Stack" -> {
                int n = integer(object, name.equals("java.util.ArrayList") ? "size" : "elementCount");
                size[0] = n;
                fromArray((ArrayReference) get(object, "elementData"), 0, n, limit, out);
            }
            case "java.util.Arrays$ArrayList" -> {
                ArrayReference a = (ArrayReference) get(object, "a");
                size[0] = a.length();
                fromArray(a, 0, a.length(), limit, out);
            }
            case "java.util.ImmutableCollections$ListN" -> {
                ArrayReference a = (ArrayReference) get(object, "elements");
                size[0] = a.length();
                fromArray(a, 0, a.length(), limit, out);
            }
            case "java.util.ImmutableCollections$List12" -> {
                Value e1 = get(object, "e1");
                out.add(new Entry(null, get(object, "e0")));
                if (e1 == null || !e1.equals(staticValue(object, "java.util.ImmutableCollections", "EMPTY")))
                    out.add(new Entry(null, e1));
                size[0] = out.size();
            }
            case "java.util.LinkedList" -> {
                size[0] = integer(object, "size");
                for (Value node = get(object, "first"); node instanceof ObjectReference n && out.size() < limit;
                     node = get(n, "next"))
                    out.add(new Entry(null, get(n, "item")));
            }
            case "java.util.HashMap", "java.util.LinkedHashMap" -> hashMap(object, limit, size, out, false);
            case "java.util.HashSet", "java.util.LinkedHashSet" ->
                hashMap((ObjectReference) get(object, "map"), limit, size, out, true);
            case "java.util.TreeMap" -> treeMap(object, limit, size, out, false);
            case "java.util.TreeSet" -> {
                Value m = get(object, "m");
                if (m instanceof ObjectReference map && map.referenceType().name().equals("java.util.TreeMap"))
                    treeMap(map, limit, size, out, true);
                else
                    return byCalling(object, limit, size, invoker, thread);
            }
            default -> {
                return byCalling(object, limit, size, invoker, thread);
            }
        }
        return out;
    }

    private static void hashMap(ObjectReference map, int limit, int[] size, List<Entry> out, boolean keysOnly) {
        size[0] = integer(map, "size");
        if (map.referenceType().name().equals("java.util.LinkedHashMap")) {
            for (Value e = get(map, "head"); e instanceof ObjectReference entry && out.size() < limit; e = get(entry, "after"))
                out.add(keysOnly ? new Entry(null, get(entry, "key")) : new Entry(get(entry, "key"), get(entry, "value")));
            return;
        }
        if (!(get(map, "table") instanceof ArrayReference table))
            return;
        // The table a piece at a time: a big map's table is millions of slots.
        for (int from = 0; from < table.length() && out.size() < limit; from += 256) {
            for (Value bucket : table.getValues(from, Math.min(256, table.length() - from))) {
                for (Value e = bucket; e instanceof ObjectReference entry && out.size() < limit; e = get(entry, "next"))
                    out.add(keysOnly ? new Entry(null, get(entry, "key"))
                                     : new Entry(get(entry, "key"), get(entry, "value")));
            }
        }
    }

    // In order: the smallest key first, as the map iterates.
    private static void treeMap(ObjectReference map, int limit, int[] size, List<Entry> out, boolean keysOnly) {
        size[0] = integer(map, "size");
        Deque<ObjectReference> path = new ArrayDeque<>();
        Value node = get(map, "root");
        while ((node instanceof ObjectReference || !path.isEmpty()) && out.size() < limit) {
            while (node instanceof ObjectReference n) {
                path.push(n);
                node = get(n, "left");
            }
            ObjectReference n = path.pop();
            out.add(keysOnly ? new Entry(null, get(n, "key")) : new Entry(get(n, "key"), get(n, "value")));
            node = get(n, "right");
        }
    }

    // Any other collection of the JDK: its toArray(), and for a map the
    // toArray() of its keys and of its values, in the same order.
    private static List<Entry> byCalling(ObjectReference object, int limit, int[] size, Invoker invoker,
                                         ThreadReference thread) throws Invoker.Failure {
        List<Entry> out = new ArrayList<>();
        if (isMap(object)) {
            ArrayReference keys = toArray(call(object, "keySet", invoker, thread), invoker, thread);
            ArrayReference values = toArray(call(object, "values", invoker, thread), invoker, thread);
            size[0] = keys.length();
            int n = Math.min(Math.min(keys.length(), values.length()), limit);
            for (int i = 0; i < n; ++i)
                out.add(new Entry(keys.getValue(i), values.getValue(i)));
        } else {
            ArrayReference items = toArray(object, invoker, thread);
            size[0] = items.length();
            fromArray(items, 0, items.length(), limit, out);
        }
        return out;
    }

    private static ArrayReference toArray(ObjectReference collection, Invoker invoker, ThreadReference thread)
            throws Invoker.Failure {
        if (call(collection, "toArray", invoker, thread) instanceof ArrayReference array) {
            array.disableCollection();
            return array;
        }
        throw new Invoker.Failure("não deu seus elementos");
    }

    private static ObjectReference call(ObjectReference object, String name, Invoker invoker, ThreadReference thread)
            throws Invoker.Failure {
        List<Method> methods = object.referenceType().methodsByName(name);
        for (Method m : methods) {
            if (m.argumentTypeNames().isEmpty() && !m.isAbstract()) {
                Value result = invoker.call(thread, object, m, List.of());
                if (result instanceof ObjectReference r)
                    return r;
            }
        }
        throw new Invoker.Failure("não deu seus elementos");
    }

    private static void fromArray(ArrayReference array, int from, int to, int limit, List<Entry> out) {
        int n = Math.min(to - from, limit);
        if (array == null || n <= 0)
            return;
        for (Value v : array.getValues(from, n))
            out.add(new Entry(null, v));
    }

    static Value get(ObjectReference object, String name) {
        Field field = object.referenceType().fieldByName(name);
        return field == null ? null : object.getValue(field);
    }

    private static Value staticValue(ObjectReference object, String owner, String name) {
        for (ReferenceType type : object.virtualMachine().classesByName(owner)) {
            Field field = type.fieldByName(name);
            if (field != null && field.isStatic())
                return type.getValue(field);
        }
        return null;
    }

    private static int integer(ObjectReference object, String name) {
        return get(object, name) instanceof IntegerValue i ? i.value() : 0;
    }
}
